// The baseline: a minimal Qt analog clock, a one-second timer and a
// paintEvent that draws everything. Shown at 380 x 427 like the clock window.
#include <QApplication>
#include <QPainter>
#include <QTime>
#include <QTimer>
#include <QWidget>

class BasisUr : public QWidget
{
public:
    BasisUr()
    {
        resize(380, 427);
        connect(&m_timer, &QTimer::timeout, this, qOverload<>(&QWidget::update));
        m_timer.start(1000);
    }

protected:
    void paintEvent(QPaintEvent *) override
    {
        const QTime nu = QTime::currentTime();
        QPainter p(this);
        p.fillRect(rect(), palette().button());
        p.translate(width() / 2.0, height() / 2.0);
        const qreal r = qMin(width(), height()) / 2.0 - 2;
        p.setBrush(QColor(192, 192, 192));
        p.drawEllipse(QPointF(), r, r);
        p.setBrush(Qt::white);
        p.drawEllipse(QPointF(), r - 10, r - 10);
        for (int i = 0; i < 60; ++i) {
            p.setPen(QPen(Qt::black, i % 5 == 0 ? 2 : 1));
            p.drawLine(QPointF(0, -(r - 11)), QPointF(0, -(r - (i % 5 == 0 ? 27 : 15))));
            p.rotate(6);
        }
        auto viser = [&](qreal grader, qreal laengde, int bredde, const QColor &farve) {
            p.save();
            p.rotate(grader);
            p.setPen(QPen(farve, bredde, Qt::SolidLine, Qt::RoundCap));
            p.drawLine(QPointF(), QPointF(0, -laengde));
            p.restore();
        };
        viser(30.0 * (nu.hour() % 12) + nu.minute() / 2.0, r * 0.6, 6, Qt::gray);
        viser(6.0 * nu.minute() + nu.second() / 10.0, r * 0.8, 4, Qt::gray);
        viser(6.0 * nu.second(), r * 0.85, 3, QColor(160, 160, 164));
    }

private:
    QTimer m_timer;
};

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    BasisUr ur;
    ur.show();
    return app.exec();
}
