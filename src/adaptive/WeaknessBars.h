// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once

#include <QWidget>

#include <array>
#include <optional>

// Five small bars beside a hand, one a finger, as the fingers sit (the left hand's
// little finger on the left, the right hand's on the right): how weak each finger is,
// so the player sees why a finger comes often. A finger without strikes yet shows an
// empty outline.
class WeaknessBars : public QWidget {
    Q_OBJECT
public:
    explicit WeaknessBars(bool leftHand, QWidget *parent = nullptr);

    // Weakness of fingers 1..5 in milliseconds; `full` is a full bar.
    void setValues(const std::array<std::optional<double>, 5> &values, double full);
    const std::array<std::optional<double>, 5> &values() const { return m_values; }

protected:
    bool event(QEvent *event) override;
    void paintEvent(QPaintEvent *event) override;

private:
    bool m_left;
    double m_full = 1;
    std::array<std::optional<double>, 5> m_values{};
};
