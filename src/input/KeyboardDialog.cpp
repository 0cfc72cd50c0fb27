// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyboardDialog.h"

#include <QBoxLayout>
#include <QCoreApplication>
#include <QLabel>
#include <QRadioButton>

namespace {

// "Left hand: Z X C V Space (little finger to thumb)".
QString keysOf(KeyLayout layout)
{
    QStringList left, right;
    for (int finger = 5; finger >= 1; --finger)
        left << KeyMap::keyName(layout, {Hand::Left, finger});
    for (int finger = 1; finger <= 5; ++finger)
        right << KeyMap::keyName(layout, {Hand::Right, finger});
    return QCoreApplication::translate(
               "KeyboardDialog",
               "Left hand, little finger to thumb: %1\nRight hand, thumb to little "
               "finger: %2")
        .arg(left.join(QStringLiteral("  ")), right.join(QStringLiteral("  ")));
}

} // namespace

KeyboardDialog::KeyboardDialog(KeyLayout current, std::function<void(KeyLayout)> chosen,
                               QWidget *parent)
    : OkCancelDialog(tr("Keyboard"), parent), m_chosen(std::move(chosen))
{
    setObjectName(QStringLiteral("frmKeyboard"));
    auto *intro = new QLabel(tr("Which keys do your fingers play?"), this);
    content()->addWidget(intro);

    const struct {
        KeyLayout layout;
        QRadioButton **button;
        const char *name;
    } choices[] = {{KeyLayout::Keypad, &m_keypad, "optKeypad"},
                   {KeyLayout::Laptop, &m_laptop, "optLaptop"}};
    for (const auto &choice : choices) {
        auto *button = new QRadioButton(KeyMap::layoutCaption(choice.layout), this);
        button->setObjectName(QString::fromLatin1(choice.name));
        QFont bold = button->font();
        bold.setBold(true);
        button->setFont(bold);
        *choice.button = button;
        content()->addWidget(button);
        auto *keys = new QLabel(keysOf(choice.layout), this);
        keys->setContentsMargins(24, 0, 0, 8);
        content()->addWidget(keys);
    }
    auto *note = new QLabel(tr("The keys are found by where they sit, so every "
                               "keyboard layout (QWERTZ, AZERTY, Dvorak) plays "
                               "the same."),
                            this);
    note->setWordWrap(true);
    content()->addWidget(note);
    choose(current);
}

void KeyboardDialog::choose(KeyLayout layout)
{
    (layout == KeyLayout::Laptop ? m_laptop : m_keypad)->setChecked(true);
}

void KeyboardDialog::OKButton_Click()
{
    if (m_chosen)
        m_chosen(m_laptop->isChecked() ? KeyLayout::Laptop : KeyLayout::Keypad);
    accept();
}
