-- A practice history as the first version of the file held it: two exercises of one
-- player, the second abandoned. history-v1.sqlite is made from this with
--   sqlite3 history-v1.sqlite < history-v1.sql
PRAGMA user_version = 1;
CREATE TABLE sessions (id INTEGER PRIMARY KEY, uid TEXT NOT NULL UNIQUE, player TEXT NOT NULL, kind TEXT NOT NULL, parameters TEXT, started TEXT NOT NULL, started_epoch_ms INTEGER NOT NULL, status TEXT NOT NULL, reason TEXT, left_score INTEGER NOT NULL DEFAULT 0, right_score INTEGER NOT NULL DEFAULT 0, total_score INTEGER NOT NULL DEFAULT 0);
CREATE TABLE strikes (id INTEGER PRIMARY KEY, session INTEGER NOT NULL REFERENCES sessions(id), hand INTEGER NOT NULL, task INTEGER NOT NULL, expected INTEGER, struck INTEGER NOT NULL, correct INTEGER NOT NULL, anticipated INTEGER NOT NULL, reaction_ms REAL, ticks INTEGER NOT NULL DEFAULT 0, points INTEGER NOT NULL, at_ms REAL);
CREATE INDEX strikes_by_session ON strikes (session);
INSERT INTO sessions VALUES (1, '0b9c3f4e-6f1e-4f7a-9a51-3c1de2b7a001', 'Mira', 'random', '{"tasks_left":2,"tasks_right":2}', '2026-11-30T16:05:10.000+01:00', 1764515110000, 'finished', NULL, 5, 4, 9);
INSERT INTO sessions VALUES (2, '0b9c3f4e-6f1e-4f7a-9a51-3c1de2b7a002', 'Mira', 'sequential', '{"exercise":0}', '2026-12-01T16:10:00.000+01:00', 1764601800000, 'abandoned', 'closed', 0, 0, 0);
INSERT INTO strikes VALUES (1, 1, 0, 1, 3, 3, 1, 0, 412.5, 0, 5, 1312.5);
INSERT INTO strikes VALUES (2, 1, 1, 1, 4, 2, 0, 0, 380.0, 0, 0, 1280.0);
INSERT INTO strikes VALUES (3, 1, 0, 2, 5, 5, 1, 0, 530.0, 0, 0, 1842.5);
INSERT INTO strikes VALUES (4, 1, 1, 2, 1, 1, 1, 0, 700.0, 1, 4, 2200.0);
INSERT INTO strikes VALUES (5, 2, 0, 1, 5, 5, 1, 0, 610.0, 0, 5, 1510.0);
