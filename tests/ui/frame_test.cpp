#include "app/flavour.h"
#include "app/program.h"

#include <QMainWindow>
#include <QTest>

#include <memory>

class FrameTest : public QObject {
    Q_OBJECT
private slots:
    void CaptionIsTheProgramsOwn() {
        std::unique_ptr<QMainWindow> frame(CreateMainWindow());
        frame->show();
        QVERIFY(QTest::qWaitForWindowExposed(frame.get()));
        if (flavour::kPneumatic)
            QCOMPARE(frame->windowTitle(), QStringLiteral("Varnox  Pneumatic Engineering & Sizing"));
        else
            QCOMPARE(frame->windowTitle(), QStringLiteral("Varnox Electric Engineering & Sizing"));
    }
};

QTEST_MAIN(FrameTest)
#include "frame_test.moc"
