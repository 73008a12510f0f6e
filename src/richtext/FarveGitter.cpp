#include "richtext/FarveGitter.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPointer>

const std::array<TColor, 16> FarveGitter::kFarver = {
    TColor::fromRgb(0, 0, 0),      TColor::fromRgb(128, 0, 0),     TColor::fromRgb(0, 128, 0),
    TColor::fromRgb(128, 128, 0),  TColor::fromRgb(0, 0, 128),     TColor::fromRgb(128, 0, 128),
    TColor::fromRgb(0, 128, 128),  TColor::fromRgb(192, 192, 192), TColor::fromRgb(128, 128, 128),
    TColor::fromRgb(255, 0, 0),    TColor::fromRgb(0, 255, 0),     TColor::fromRgb(255, 255, 0),
    TColor::fromRgb(0, 0, 255),    TColor::fromRgb(255, 0, 255),   TColor::fromRgb(0, 255, 255),
    TColor::fromRgb(255, 255, 255)};

namespace {

constexpr int kFelt = 18;

// One square as a screen reader sees it: a radio button named by its colour,
// checked when it is the foreground colour.
class FarveFeltTilgaengelig : public QAccessibleInterface
{
public:
    FarveFeltTilgaengelig(FarveGitter *gitter, int index) : m_gitter(gitter), m_index(index) {}

    bool isValid() const override { return !m_gitter.isNull(); }
    QObject *object() const override { return nullptr; }
    QWindow *window() const override
    {
        return m_gitter ? m_gitter->window()->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override
    {
        return QAccessible::queryAccessibleInterface(m_gitter.data());
    }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int childCount() const override { return 0; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }
    QString text(QAccessible::Text t) const override
    {
        return t == QAccessible::Name ? FarveGitter::navn(m_index) : QString();
    }
    void setText(QAccessible::Text, const QString &) override {}
    QRect rect() const override
    {
        if (!m_gitter)
            return {};
        const QRect felt = m_gitter->felt(m_index);
        return QRect(m_gitter->mapToGlobal(felt.topLeft()), felt.size());
    }
    QAccessible::Role role() const override { return QAccessible::RadioButton; }
    QAccessible::State state() const override
    {
        QAccessible::State s;
        s.focusable = true;
        s.checkable = true;
        if (m_gitter) {
            s.checked = m_gitter->ForegroundIndex() == m_index;
            s.focused = m_gitter->hasFocus() && m_gitter->fokusIndeks() == m_index;
            s.invisible = !m_gitter->isVisible();
        }
        return s;
    }

private:
    QPointer<FarveGitter> m_gitter;
    int m_index;
};

// The grid with its sixteen squares as children.
class FarveGitterTilgaengelig : public QAccessibleWidget
{
public:
    explicit FarveGitterTilgaengelig(FarveGitter *gitter)
        : QAccessibleWidget(gitter, QAccessible::Grouping)
    {}
    ~FarveGitterTilgaengelig() override
    {
        for (const QAccessible::Id id : m_felter)
            if (id != 0)
                QAccessible::deleteAccessibleInterface(id);
    }

    int childCount() const override { return int(m_felter.size()); }
    QAccessibleInterface *child(int index) const override
    {
        if (index < 0 || index >= childCount())
            return nullptr;
        if (m_felter[index] == 0)
            m_felter[index] = QAccessible::registerAccessibleInterface(
                new FarveFeltTilgaengelig(static_cast<FarveGitter *>(widget()), index));
        return QAccessible::accessibleInterface(m_felter[index]);
    }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        for (int i = 0; i < childCount(); ++i)
            if (m_felter[i] != 0 && QAccessible::accessibleInterface(m_felter[i]) == child)
                return i;
        return -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        const auto *gitter = static_cast<const FarveGitter *>(widget());
        const QPoint p = gitter->mapFromGlobal(QPoint(x, y));
        for (int i = 0; i < childCount(); ++i)
            if (gitter->felt(i).contains(p))
                return child(i);
        return nullptr;
    }
    QAccessibleInterface *focusChild() const override
    {
        const auto *gitter = static_cast<const FarveGitter *>(widget());
        return gitter->hasFocus() ? child(gitter->fokusIndeks()) : nullptr;
    }

private:
    mutable std::array<QAccessible::Id, 16> m_felter{};
};

QAccessibleInterface *farveGitterFabrik(const QString &klasse, QObject *object)
{
    if (klasse == QLatin1String("FarveGitter") && object && object->isWidgetType())
        return new FarveGitterTilgaengelig(static_cast<FarveGitter *>(object));
    return nullptr;
}

} // namespace

FarveGitter::FarveGitter(QWidget *parent) : QWidget(parent)
{
    static const bool fabrik = [] {
        QAccessible::installFactory(farveGitterFabrik);
        return true;
    }();
    Q_UNUSED(fabrik);
    setAccessibleName(QStringLiteral("Farver"));
    setFocusPolicy(Qt::StrongFocus);
    setFixedSize(sizeHint());
}

QString FarveGitter::navn(int index)
{
    static const std::array<QString, 16> navne = {
        QStringLiteral("Sort"),      QStringLiteral("Mørkerød"), QStringLiteral("Mørkegrøn"),
        QStringLiteral("Mørkegul"),  QStringLiteral("Mørkeblå"), QStringLiteral("Mørk magenta"),
        QStringLiteral("Mørk cyan"), QStringLiteral("Lysegrå"),  QStringLiteral("Grå"),
        QStringLiteral("Rød"),       QStringLiteral("Grøn"),     QStringLiteral("Gul"),
        QStringLiteral("Blå"),       QStringLiteral("Magenta"),  QStringLiteral("Cyan"),
        QStringLiteral("Hvid")};
    return index >= 0 && index < int(navne.size()) ? navne[std::size_t(index)] : QString();
}

int FarveGitter::indeks(TColor farve)
{
    for (int i = 0; i < int(kFarver.size()); ++i)
        if (kFarver[i] == farve)
            return i;
    return -1;
}

TColor FarveGitter::ForegroundColor() const
{
    return m_forgrund >= 0 ? kFarver[m_forgrund] : clNone;
}

void FarveGitter::setForegroundIndex(int index)
{
    if (index == m_forgrund)
        return;
    m_forgrund = index;
    update();
}

void FarveGitter::setBackgroundIndex(int index)
{
    if (index == m_baggrund)
        return;
    m_baggrund = index;
    update();
}

QSize FarveGitter::sizeHint() const
{
    return QSize(4 * kFelt, 4 * kFelt);
}

QRect FarveGitter::felt(int index) const
{
    return QRect(index % 4 * kFelt, index / 4 * kFelt, kFelt, kFelt);
}

void FarveGitter::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    QFont lille = font();
    lille.setPixelSize(8);
    p.setFont(lille);
    for (int i = 0; i < int(kFarver.size()); ++i) {
        const QColor farve = toQColor(kFarver[i], palette());
        p.fillRect(felt(i), farve);
        QString maerke;
        if (i == m_forgrund)
            maerke = QStringLiteral("FG");
        if (i == m_baggrund)
            maerke += QStringLiteral("BG");
        if (!maerke.isEmpty()) {
            p.setPen(farve.lightness() < 128 ? Qt::white : Qt::black);
            p.drawText(felt(i), Qt::AlignCenter, maerke);
        }
    }
    if (hasFocus()) {
        // The keyboard's square: a frame that shows on light and dark colours.
        const QRect ramme = felt(m_fokus).adjusted(1, 1, -2, -2);
        p.setPen(QPen(Qt::white, 1));
        p.drawRect(ramme);
        p.setPen(QPen(Qt::black, 1, Qt::DotLine));
        p.drawRect(ramme);
    }
}

void FarveGitter::flytFokus(int index)
{
    if (index == m_fokus)
        return;
    m_fokus = index;
    update();
    if (QAccessible::isActive()) {
        QAccessibleEvent fokus(this, QAccessible::Focus);
        fokus.setChild(index);
        QAccessible::updateAccessibility(&fokus);
    }
}

void FarveGitter::keyPressEvent(QKeyEvent *event)
{
    const int raekke = m_fokus / 4;
    const int soejle = m_fokus % 4;
    switch (event->key()) {
    case Qt::Key_Left:
        flytFokus(raekke * 4 + qMax(0, soejle - 1));
        break;
    case Qt::Key_Right:
        flytFokus(raekke * 4 + qMin(3, soejle + 1));
        break;
    case Qt::Key_Up:
        flytFokus(qMax(0, raekke - 1) * 4 + soejle);
        break;
    case Qt::Key_Down:
        flytFokus(qMin(3, raekke + 1) * 4 + soejle);
        break;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        setForegroundIndex(m_fokus);
        Q_EMIT Change();
        break;
    default:
        QWidget::keyPressEvent(event);
        return;
    }
    event->accept();
}

void FarveGitter::focusInEvent(QFocusEvent *event)
{
    // The keyboard starts on the colour in use.
    if (m_forgrund >= 0)
        m_fokus = m_forgrund;
    QWidget::focusInEvent(event);
    update();
}

void FarveGitter::focusOutEvent(QFocusEvent *event)
{
    QWidget::focusOutEvent(event);
    update();
}

void FarveGitter::mousePressEvent(QMouseEvent *event)
{
    const QPoint pos = event->position().toPoint();
    if (!rect().contains(pos))
        return;
    const int index = pos.y() / kFelt * 4 + pos.x() / kFelt;
    m_fokus = index;
    if (event->button() == Qt::LeftButton)
        setForegroundIndex(index);
    else if (event->button() == Qt::RightButton)
        setBackgroundIndex(index);
    else
        return;
    Q_EMIT Change();
}
