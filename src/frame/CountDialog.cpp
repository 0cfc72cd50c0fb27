// SPDX-License-Identifier: GPL-3.0-or-later
#include "frame/CountDialog.h"

#include "frame/AccessibleName.h"
#include "settings/NumberParser.h"

#include <QApplication>
#include <QBoxLayout>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalBlocker>

namespace {

// An editable list whose drop-down opens on the entry the box reads, or on none when the
// typed text is not in the list.
class CountCombo : public QComboBox {
public:
    using QComboBox::QComboBox;
    void showPopup() override
    {
        const QString text = currentText();
        const QSignalBlocker blocker(this);
        setCurrentIndex(findText(text));
        // Choosing an entry rewrites the box; what the player typed stays.
        setEditText(text);
        QComboBox::showPopup();
    }
};

} // namespace

CountDialog::CountDialog(const Spec &spec, std::function<void(qint16)> onAccepted, QWidget *parent)
    : OkCancelDialog(spec.caption, parent), m_onAccepted(std::move(onAccepted))
{
    setAttribute(Qt::WA_DeleteOnClose);
    m_label = new QLabel(spec.prompt, this);
    m_label->setObjectName(QStringLiteral("Label1"));
    m_combo = new CountCombo(this);
    m_combo->setObjectName(QStringLiteral("Combo1"));
    nameAfterCaption(m_combo, spec.prompt);
    // On Linux a combo box is announced by its value and labelled by its buddy.
    m_label->setBuddy(m_combo);
    m_combo->setEditable(true);
    m_combo->setInsertPolicy(QComboBox::NoInsert);
    // No completion from the list: a typed "1" must stay 1, not become "10".
    m_combo->setCompleter(nullptr);
    m_combo->addItems(spec.list);
    m_combo->setCurrentIndex(m_combo->findText(spec.initialText));
    m_combo->setEditText(spec.initialText);
    m_combo->lineEdit()->selectAll();
    // Typing replaces the proposed count at once.
    m_combo->setFocus();
    setTabOrder(OKButton(), CancelButton());
    setTabOrder(CancelButton(), m_combo);
    content()->addWidget(m_label);
    content()->addWidget(m_combo);
    content()->addStretch();
    setMinimumWidth(420);
}

CountDialog::CountDialog(const Row &row, PracticeSettings &settings, QWidget *parent)
    : CountDialog(
          {QCoreApplication::translate(row.name, row.caption),
           QCoreApplication::translate(row.name, row.prompt), steps(row.from, row.to, row.step),
           QString::fromUtf16(row.initialText)},
          [&settings, left = row.left, right = row.right](qint16 count) {
              settings.*left = count;
              settings.*right = count;
          },
          parent)
{
    setObjectName(QLatin1String(row.name));
}

QStringList CountDialog::steps(int from, int to, int step)
{
    QStringList list;
    for (int n = from; n <= to; n += step)
        list << QString::number(n);
    return list;
}

void CountDialog::OKButton_Click()
{
    const auto count = NumberParser::toInt16(m_combo->currentText());
    if (!count) {
        // A count beyond 16 bits would overflow the drill's counters.
        QApplication::beep();
        m_combo->setFocus();
        m_combo->lineEdit()->selectAll();
        return;
    }
    if (m_onAccepted)
        m_onAccepted(*count);
    accept();
}
