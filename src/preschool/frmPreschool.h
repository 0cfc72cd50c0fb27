// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include "frame/ExerciseWindow.h"

#include <QPixmap>

#include <memory>

class AnimalPicture;
class HandPlayer;
class PreschoolDrill;

// The preschool window: the random drill dressed for children, with an animal picture
// for each hand in the upper corners, the task digits between them, and every key
// answered aloud.
class frmPreschool : public ExerciseWindow {
    Q_OBJECT
public:
    static constexpr int PictureAreaSize = 145;

    explicit frmPreschool(Forms &forms, QWidget *parent = nullptr);
    ~frmPreschool() override;

    PreschoolDrill *logic() const { return m_logic.get(); }
    HandPlayer &MediaPlayer1() const { return *m_player1; }
    HandPlayer &MediaPlayer2() const { return *m_player2; }
    Ticker &TimerLevaSvirka() const { return *m_timerLeva; }
    Ticker &TimerDesnaSvirka() const { return *m_timerDesna; }
    AnimalPicture *Image1() const { return m_image1; }
    AnimalPicture *Image2() const { return m_image2; }

    void Form_Load();

private:
    void addLabels();
    void renderPictures();

    std::unique_ptr<Ticker> m_timerLeva;
    std::unique_ptr<Ticker> m_timerDesna;
    std::unique_ptr<HandPlayer> m_player1;
    std::unique_ptr<HandPlayer> m_player2;
    AnimalPicture *m_image1 = nullptr;
    AnimalPicture *m_image2 = nullptr;
    // ImageListAnimals: the pictures, loaded with the window; index 0 is unused.
    QPixmap m_pictures[7];
    // Last, so it goes first: it uses the timers and players above.
    std::unique_ptr<PreschoolDrill> m_logic;
};
