// SPDX-License-Identifier: GPL-3.0-or-later
#include "input/KeyCheckDialog.h"

#include "frame/Palette.h"
#include "input/KeyMap.h"
#include "ports/HandNames.h"

#include <QApplication>
#include <QBoxLayout>
#include <QCoreApplication>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

namespace {

// X11's modifier bit that Num Lock sets (Mod2 on every usual set-up).
constexpr quint32 X11NumLockMask = 0x10;

// The largest pixel size, up to wanted, at which text fits in width.
QFont fitted(QFont font, const QString &text, qreal width, int wanted)
{
    int size = qMax(wanted, 6);
    font.setPixelSize(size);
    while (size > 6 && QFontMetricsF(font).horizontalAdvance(text) > width) {
        font.setPixelSize(--size);
    }
    return font;
}

} // namespace

// The ten keys as the hands sit on them: left little finger to thumb, a gap, right thumb
// to little finger. Each key shows its printed name and finger number, with the MIDI note
// of that finger under it; a held key is drawn pressed in the hand's colour, a sounding
// note lit likewise. During a step of the rollover test the keys it does not ask for are
// faded. Everything is drawn to the widget's size.
class KeyCheckPicture : public QWidget {
public:
    KeyCheckPicture(const KeyCheck &check, const InputPreferences &preferences, QWidget *parent)
        : QWidget(parent), m_check(check), m_preferences(preferences)
    {
        QSizePolicy policy(QSizePolicy::Expanding, QSizePolicy::Preferred);
        policy.setHeightForWidth(true);
        setSizePolicy(policy);
    }

    QSize sizeHint() const override { return QSize(680, heightForWidth(680)); }
    QSize minimumSizeHint() const override { return QSize(380, heightForWidth(380)); }
    bool hasHeightForWidth() const override { return true; }
    // As tall as the keys drawn across the whole width need.
    int heightForWidth(int width) const override
    {
        return qRound((width - 2 * MarginX) * Down / Across) + 2 * MarginY;
    }

protected:
    void paintEvent(QPaintEvent *) override;

private:
    // In key widths: ten keys, nine spaces between them of which the middle one is wide,
    // and in height a caption row, the key and the note row.
    static constexpr qreal Space = 0.12, HandGap = 0.9, KeyHeight = 1.0;
    static constexpr qreal Caption = 0.34, NoteRow = 0.42;
    static constexpr qreal Across = 10 + 8 * Space + HandGap;
    static constexpr qreal Down = Caption + KeyHeight + Space + NoteRow;
    static constexpr int MarginX = 6, MarginY = 4;

    void drawKey(QPainter &painter, const QRectF &key, qreal unit, FingerKey finger) const;

    const KeyCheck &m_check;
    const InputPreferences &m_preferences;
};

void KeyCheckPicture::paintEvent(QPaintEvent *)
{
    const QRectF area = QRectF(rect()).adjusted(MarginX, MarginY, -MarginX, -MarginY);
    const qreal unit = qMin(area.width() / Across, area.height() / Down);
    const QPointF origin(area.center().x() - Across * unit / 2,
                         area.center().y() - Down * unit / 2);

    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);

    const QList<FingerKey> fingers = KeyCheck::allFingers();
    const QList<FingerKey> asked = m_check.expected();
    const bool testing = m_check.step() != KeyCheck::Step::Finished;
    for (int at = 0; at < fingers.size(); ++at) {
        const FingerKey finger = fingers[at];
        const qreal x = origin.x() + unit * (at * (1 + Space) + (at >= 5 ? HandGap - Space : 0));
        const QRectF key(x, origin.y() + Caption * unit, unit, KeyHeight * unit);
        // Keys this step does not ask for are faded, yet their names still read.
        painter.setOpacity(testing && !asked.contains(finger) ? 0.65 : 1.0);
        drawKey(painter, key, unit, finger);
    }
    painter.setOpacity(1.0);

    // The hands' captions over their keys.
    const qreal handWidth = 5 * unit + 4 * Space * unit;
    for (Hand hand : BothHands) {
        const QString name = HandNames::hand(hand);
        const qreal x = origin.x() + qreal(handIndex(hand)) * (handWidth + HandGap * unit);
        const QRectF caption(x, origin.y(), handWidth, Caption * unit * 0.85);
        QFont font = fitted(this->font(), name, handWidth, qRound(unit * 0.2));
        font.setBold(true);
        painter.setFont(font);
        // The hands' accents colour their keys; text takes the darker inks.
        painter.setPen(Palette::ink(hand));
        painter.drawText(caption, Qt::AlignCenter, name);
    }
}

void KeyCheckPicture::drawKey(QPainter &painter, const QRectF &key, qreal unit,
                              FingerKey finger) const
{
    const QColor colour = Palette::accent(finger.hand);
    const bool held = m_check.isLit(finger);
    const qreal depth = unit * 0.07;
    const qreal radius = unit * 0.12;

    // The key's side below its face; a held key is pushed down onto it.
    QPainterPath side;
    side.addRoundedRect(key, radius, radius);
    painter.fillPath(side, held ? colour.darker(150) : QColor(0x9a, 0x9f, 0xa8));
    const QRectF face = held ? key.adjusted(0, depth, 0, 0) : key.adjusted(0, 0, 0, -depth);
    QPainterPath top;
    top.addRoundedRect(face.adjusted(1, 1, -1, -1), radius, radius);
    QLinearGradient shade(face.topLeft(), face.bottomLeft());
    if (held) {
        shade.setColorAt(0, colour.lighter(115));
        shade.setColorAt(1, colour);
    } else {
        shade.setColorAt(0, QColor(0xfd, 0xfd, 0xfe));
        shade.setColorAt(1, QColor(0xe4, 0xe7, 0xec));
    }
    painter.fillPath(top, shade);
    painter.setPen(QPen(held ? colour.darker(140) : colour, qMax(1.0, unit * 0.025)));
    painter.drawPath(top);

    // The printed name, large, and the finger number under it.
    const QString name = KeyMap::keyName(m_preferences.layout, finger);
    const QColor ink = held ? QColor(Qt::white) : QColor(0x22, 0x26, 0x2e);
    const qreal inner = face.width() * 0.86;
    QFont nameFont = fitted(font(), name, inner, qRound(unit * (name.size() > 2 ? 0.2 : 0.34)));
    nameFont.setBold(true);
    painter.setFont(nameFont);
    painter.setPen(ink);
    painter.drawText(QRectF(face.left(), face.top(), face.width(), face.height() * 0.62),
                     Qt::AlignHCenter | Qt::AlignBottom, name);
    const QString number =
        QCoreApplication::translate("KeyCheckPicture", "finger %1").arg(finger.finger);
    painter.setFont(fitted(font(), number, inner, qRound(unit * 0.14)));
    painter.setPen(held ? QColor(255, 255, 255, 220) : Palette::ink(finger.hand));
    painter.drawText(
        QRectF(face.left(), face.top() + face.height() * 0.66, face.width(), face.height() * 0.3),
        Qt::AlignHCenter | Qt::AlignTop, number);

    // The MIDI note that plays this finger, in a small tag under the key.
    const int note = m_preferences.notes.note(finger);
    const QString noteText = note >= 0 ? NoteMap::noteName(note) : QStringLiteral("-");
    const bool sounding = m_check.isNoteHeld(finger);
    const QRectF tag(key.left() + key.width() * 0.18, key.bottom() + unit * 0.1, key.width() * 0.64,
                     unit * 0.3);
    QPainterPath pill;
    pill.addRoundedRect(tag, tag.height() / 2, tag.height() / 2);
    painter.fillPath(pill, sounding ? colour : QColor(0xee, 0xf0, 0xf3));
    painter.setPen(QPen(sounding ? colour.darker(140) : QColor(0xc4, 0xc8, 0xcf), 1));
    painter.drawPath(pill);
    painter.setFont(fitted(font(), noteText, tag.width() * 0.9, qRound(unit * 0.17)));
    painter.setPen(sounding ? QColor(Qt::white) : QColor(0x4a, 0x50, 0x5a));
    painter.drawText(tag, Qt::AlignCenter, noteText);
}

KeyCheckDialog::KeyCheckDialog(const InputPreferences &preferences, QWidget *parent)
    : QDialog(parent), m_preferences(preferences), m_check(preferences)
{
    setObjectName(QStringLiteral("frmCheckKeys"));
    setWindowTitle(tr("Check keys"));

    // As the exercise windows read keys: the physical key where the platform gives it.
    const QString platform = QGuiApplication::platformName();
    m_x11 = platform == QLatin1String("xcb");
    m_physicalKeys = m_x11 || platform.startsWith(QLatin1String("wayland"));

    auto *intro =
        new QLabel(tr("Press the finger keys (%1): each key lights while the keyboard reports "
                      "it held. A note from a MIDI keyboard lights its finger too.")
                       .arg(m_preferences.layout == KeyLayout::Laptop ? tr("no numeric keypad")
                                                                      : tr("numeric keypad")),
                   this);
    intro->setWordWrap(true);

    m_picture = new KeyCheckPicture(m_check, m_preferences, this);
    m_picture->setObjectName(QStringLiteral("picKeys"));

    auto *test = new QGroupBox(tr("Keys held together"), this);
    m_stepCaption = new QLabel(test);
    m_stepCaption->setObjectName(QStringLiteral("lblStep"));
    QFont bold = m_stepCaption->font();
    bold.setBold(true);
    m_stepCaption->setFont(bold);
    m_instruction = new QLabel(test);
    m_instruction->setObjectName(QStringLiteral("lblInstruction"));
    m_instruction->setWordWrap(true);
    m_progress = new QLabel(test);
    m_progress->setObjectName(QStringLiteral("lblProgress"));
    m_step = new QPushButton(test);
    m_step->setObjectName(QStringLiteral("cmdStep"));
    m_step->setDefault(true);
    connect(m_step, &QPushButton::clicked, this, [this] { stepButton_Click(); });
    m_results = new QLabel(test);
    m_results->setObjectName(QStringLiteral("lblResults"));
    m_results->setWordWrap(true);
    m_results->setTextFormat(Qt::RichText);
    m_results->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    // Room for all the lines from the start, so the keys do not move as results come.
    m_results->setMinimumHeight(m_results->fontMetrics().lineSpacing() * 11);

    auto *stepText = new QVBoxLayout;
    stepText->addWidget(m_stepCaption);
    stepText->addWidget(m_instruction);
    stepText->addWidget(m_progress);
    auto *stepRow = new QHBoxLayout;
    stepRow->addLayout(stepText, 1);
    stepRow->addSpacing(12);
    stepRow->addWidget(m_step, 0, Qt::AlignTop);
    auto *testLayout = new QVBoxLayout(test);
    testLayout->addLayout(stepRow);
    testLayout->addSpacing(6);
    testLayout->addWidget(m_results);

    m_numLock = new QLabel(this);
    m_numLock->setObjectName(QStringLiteral("lblNumLock"));
    m_strikes = new QLabel(this);
    m_strikes->setObjectName(QStringLiteral("lblStrikes"));
    auto *status = new QHBoxLayout;
    status->addWidget(m_numLock);
    status->addSpacing(24);
    status->addWidget(m_strikes, 1);

    auto *content = new QVBoxLayout;
    content->addWidget(intro);
    content->addWidget(m_picture);
    content->addWidget(test, 1);
    content->addLayout(status);

    m_close = new QPushButton(tr("Close"), this);
    m_close->setObjectName(QStringLiteral("cmdClose"));
    connect(m_close, &QPushButton::clicked, this, &QDialog::accept);
    auto *buttons = new QVBoxLayout;
    buttons->addWidget(m_close);
    buttons->addStretch();

    auto *layout = new QHBoxLayout(this);
    layout->addLayout(content, 1);
    layout->addSpacing(12);
    layout->addLayout(buttons);

    resize(780, 0);
    m_step->setFocus();
    // The dialog sees key events before any of its controls.
    qApp->installEventFilter(this);
    refresh();
}

KeyCheckDialog::~KeyCheckDialog()
{
    qApp->removeEventFilter(this);
}

void KeyCheckDialog::midiNote(int note, int velocity, bool on)
{
    if (m_check.midiNote(note, velocity, on))
        refresh();
}

bool KeyCheckDialog::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::WindowDeactivate && watched == this) {
        // The releases of keys held now go to another window.
        m_check.forgetKeys();
        refresh();
        return false;
    }
    if ((type != QEvent::KeyPress && type != QEvent::KeyRelease &&
         type != QEvent::ShortcutOverride) ||
        !watched->isWidgetType() || static_cast<QWidget *>(watched)->window() != this)
        return false;
    auto *key = static_cast<QKeyEvent *>(event);
    seeNumLock(key);
    return fingerKey(key);
}

bool KeyCheckDialog::fingerKey(QKeyEvent *event)
{
    const quint32 scanCode = m_physicalKeys ? event->nativeScanCode() : 0;
    const auto finger =
        KeyMap::lookup(m_preferences.layout, event->key(), event->modifiers(), scanCode);
    if (!finger)
        return false;
    if (event->type() == QEvent::ShortcutOverride) {
        // Accepted, the key comes as a plain press instead of working a shortcut (with
        // Alt held, C would be Alt+C).
        event->accept();
        return true;
    }
    const quint64 identity = KeyMap::keyIdentity(event->key(), event->modifiers(), scanCode);
    if (event->type() == QEvent::KeyPress)
        m_check.keyPressed(*finger, identity, event->isAutoRepeat());
    else
        m_check.keyReleased(*finger, identity, event->isAutoRepeat());
    refresh();
    // Finger keys belong to the check: Space must not press the focused button.
    return true;
}

void KeyCheckDialog::seeNumLock(const QKeyEvent *event)
{
    if (!m_x11 || event->type() == QEvent::ShortcutOverride)
        return;
    // X11 gives the state before the event: Num Lock's own press still shows the old
    // state, its release the new one.
    const bool on = (event->nativeModifiers() & X11NumLockMask) != 0;
    if (m_numLockSeen && on == m_numLockOn)
        return;
    m_numLockSeen = true;
    m_numLockOn = on;
    refresh();
}

void KeyCheckDialog::describeKeys()
{
    QStringList keys;
    for (const FingerKey finger : KeyCheck::allFingers()) {
        QString key =
            KeyMap::keyName(m_preferences.layout, finger) + u' ' +
            QCoreApplication::translate("KeyCheckPicture", "finger %1").arg(finger.finger);
        if (m_check.isLit(finger))
            key += u' ' + QCoreApplication::translate("KeyCheckPicture", "held");
        keys << key;
    }
    m_picture->setAccessibleName(HandNames::hand(Hand::Left) + QStringLiteral(", ") +
                                 HandNames::hand(Hand::Right));
    m_picture->setAccessibleDescription(keys.join(QStringLiteral(", ")));
}

void KeyCheckDialog::stepButton_Click()
{
    if (m_check.step() == KeyCheck::Step::Finished)
        m_check.restart();
    else
        m_check.nextStep();
    refresh();
}

void KeyCheckDialog::refresh()
{
    const bool finished = m_check.step() == KeyCheck::Step::Finished;
    m_stepCaption->setText(m_check.stepCaption());
    m_instruction->setText(m_check.instruction());
    m_progress->setText(m_check.progress());
    m_progress->setVisible(!finished);
    m_step->setText(finished ? tr("&Start again") : tr("&Next step"));

    const QList<KeyCheck::ResultLine> lines = m_check.resultLines();
    if (lines.isEmpty()) {
        m_results->setText(tr("<span style=\"color:#777\">The result of each step "
                              "shows here.</span>"));
    } else {
        QString html;
        for (const KeyCheck::ResultLine &line : lines) {
            // The step's name in bold, where the line begins with it.
            const qsizetype head =
                !line.step.isEmpty() && line.text.startsWith(line.step) ? line.step.size() : 0;
            html +=
                QStringLiteral("<p style=\"margin:0 0 4px 0\"><b>%1</b>%2</p>")
                    .arg(line.text.left(head).toHtmlEscaped(), line.text.mid(head).toHtmlEscaped());
        }
        m_results->setText(html);
    }

    if (!m_x11)
        m_numLock->setText(tr("Num Lock: unknown"));
    else if (!m_numLockSeen)
        m_numLock->setText(tr("Num Lock: press any key to see"));
    else
        m_numLock->setText(m_numLockOn ? tr("Num Lock: on") : tr("Num Lock: off"));

    QString strikes = tr("Strikes a drill would count: %1").arg(m_check.strikes());
    if (!m_check.lastStrike().isEmpty())
        strikes += tr("; the last: %1").arg(m_check.lastStrike());
    m_strikes->setText(strikes);
    m_picture->update();
    describeKeys();
}
