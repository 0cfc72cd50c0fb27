// SPDX-License-Identifier: GPL-3.0-or-later
#include "rhythm/RhythmOptionsDialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QLabel>
#include <QSpinBox>

RhythmOptionsDialog::RhythmOptionsDialog(const RhythmDrill::Options &options,
                                         std::function<void(const RhythmDrill::Options &)> onOk,
                                         QWidget *parent)
    : OkCancelDialog(tr("Rhythm"), parent), m_onOk(std::move(onOk))
{
    setObjectName(QStringLiteral("frmRhythmOptions"));
    setAttribute(Qt::WA_DeleteOnClose);
    auto *form = new QFormLayout;
    content()->addLayout(form);
    // A field and its caption, the caption naming it for a screen reader too.
    const auto row = [&](const QString &caption, QWidget *field) {
        auto *label = new QLabel(caption, this);
        label->setBuddy(field);
        field->setAccessibleName(QString(caption).remove(u'&').remove(u':'));
        form->addRow(label, field);
    };

    m_tempo = new QSpinBox(this);
    m_tempo->setObjectName(QStringLiteral("spnTempo"));
    m_tempo->setRange(RhythmGrid::SlowestBpm, RhythmGrid::FastestBpm);
    m_tempo->setSuffix(tr(" bpm"));
    m_tempo->setValue(options.bpm);
    row(tr("&Tempo:"), m_tempo);

    for (Hand h : BothHands) {
        auto *notes = new QComboBox(this);
        notes->setObjectName(h == Hand::Left ? QStringLiteral("cboLeftNotes")
                                             : QStringLiteral("cboRightNotes"));
        for (int n = 1; n <= RhythmGrid::MostNotesPerBeat; ++n)
            notes->addItem(QString::number(n), n);
        notes->setCurrentIndex(options.notesPerBeat[handIndex(h)] - 1);
        m_notes[handIndex(h)] = notes;
        row(h == Hand::Left ? tr("&Left hand, notes a beat:") : tr("&Right hand, notes a beat:"),
            notes);
    }

    auto *length = new QWidget(this);
    auto *lengthRow = new QHBoxLayout(length);
    lengthRow->setContentsMargins(0, 0, 0, 0);
    m_length = new QSpinBox(length);
    m_length->setObjectName(QStringLiteral("spnLength"));
    m_length->setRange(1, 99);
    m_length->setValue(options.length);
    m_lengthIn = new QComboBox(length);
    m_lengthIn->setObjectName(QStringLiteral("cboLengthIn"));
    m_lengthIn->addItem(tr("passes of the figure"), int(RhythmGrid::Length::Passes));
    m_lengthIn->addItem(tr("bars"), int(RhythmGrid::Length::Bars));
    m_lengthIn->setCurrentIndex(options.lengthIn == RhythmGrid::Length::Passes ? 0 : 1);
    m_lengthIn->setAccessibleName(tr("Length counted in"));
    lengthRow->addWidget(m_length);
    lengthRow->addWidget(m_lengthIn);
    auto *lengthCaption = new QLabel(tr("Len&gth:"), this);
    lengthCaption->setBuddy(m_length);
    m_length->setAccessibleName(tr("Length"));
    form->addRow(lengthCaption, length);

    m_countIn = new QCheckBox(tr("&Count in one bar of clicks"), this);
    m_countIn->setObjectName(QStringLiteral("chkCountIn"));
    m_countIn->setChecked(options.countIn);
    form->addRow(m_countIn);

    m_silentEvery = new QSpinBox(this);
    m_silentEvery->setObjectName(QStringLiteral("spnSilentEvery"));
    m_silentEvery->setRange(1, 16);
    // 1 would silence every bar: it stands for none.
    m_silentEvery->setSpecialValueText(tr("never"));
    m_silentEvery->setPrefix(tr("every "));
    m_silentEvery->setSuffix(tr(" bars"));
    m_silentEvery->setValue(std::max(1, options.silentEvery));
    row(tr("&Silent bar:"), m_silentEvery);

    m_trainer = new QCheckBox(tr("Tempo trai&ner: faster after a clean exercise"), this);
    m_trainer->setObjectName(QStringLiteral("chkTrainer"));
    m_trainer->setChecked(options.tempoTrainer);
    form->addRow(m_trainer);
}

void RhythmOptionsDialog::OKButton_Click()
{
    RhythmDrill::Options options;
    options.bpm = m_tempo->value();
    for (int i = 0; i < 2; ++i)
        options.notesPerBeat[std::size_t(i)] = m_notes[i]->currentData().toInt();
    options.length = m_length->value();
    options.lengthIn = RhythmGrid::Length(m_lengthIn->currentData().toInt());
    options.countIn = m_countIn->isChecked();
    options.silentEvery = m_silentEvery->value() >= 2 ? m_silentEvery->value() : 0;
    options.tempoTrainer = m_trainer->isChecked();
    if (m_onOk)
        m_onOk(options);
    accept();
}
