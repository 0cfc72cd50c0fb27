-- A practice history as the second version of the file held it: one exercise of one
-- player on a MIDI keyboard, one task of each hand shown and answered, a third shown and
-- left unanswered. Applied statement by statement to an empty file.
PRAGMA user_version = 2;
CREATE TABLE sessions (id INTEGER PRIMARY KEY, uid TEXT NOT NULL UNIQUE, player TEXT NOT NULL, kind TEXT NOT NULL, parameters TEXT, started TEXT NOT NULL, started_epoch_ms INTEGER NOT NULL, status TEXT NOT NULL, reason TEXT, left_score INTEGER NOT NULL DEFAULT 0, right_score INTEGER NOT NULL DEFAULT 0, total_score INTEGER NOT NULL DEFAULT 0);
CREATE TABLE strikes (id INTEGER PRIMARY KEY, session INTEGER NOT NULL REFERENCES sessions(id), hand INTEGER NOT NULL, task INTEGER NOT NULL, expected INTEGER, struck INTEGER NOT NULL, correct INTEGER NOT NULL, anticipated INTEGER NOT NULL, reaction_ms REAL, ticks INTEGER NOT NULL DEFAULT 0, points INTEGER NOT NULL, at_ms REAL, memorize INTEGER NOT NULL DEFAULT 0, device TEXT NOT NULL DEFAULT 'keyboard', code INTEGER NOT NULL DEFAULT 0, velocity INTEGER);
CREATE INDEX strikes_by_session ON strikes (session);
CREATE TABLE tasks (session INTEGER NOT NULL REFERENCES sessions(id), hand INTEGER NOT NULL, task INTEGER NOT NULL, expected INTEGER, memorize INTEGER NOT NULL DEFAULT 0, shown_ms REAL NOT NULL, PRIMARY KEY (session, hand, task));
CREATE INDEX sessions_by_player ON sessions (player, started_epoch_ms);
INSERT INTO sessions VALUES (1, '0b9c3f4e-6f1e-4f7a-9a51-3c1de2b7a101', 'Mira', 'sequential', '{"exercise":2}', '2026-12-05T16:05:10.000+01:00', 1764947110000, 'finished', NULL, 5, 4, 9);
INSERT INTO tasks VALUES (1, 0, 1, 3, 0, 900.0);
INSERT INTO tasks VALUES (1, 1, 1, 2, 0, 950.0);
INSERT INTO tasks VALUES (1, 0, 2, 4, 0, 1700.0);
INSERT INTO strikes VALUES (1, 1, 0, 1, 3, 3, 1, 0, 412.5, 0, 5, 1312.5, 0, 'midi', 60, 72);
INSERT INTO strikes VALUES (2, 1, 1, 1, 2, 2, 1, 0, 380.0, 0, 4, 1330.0, 0, 'keyboard', 0, NULL);
