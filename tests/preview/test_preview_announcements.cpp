// What a screen reader hears as the user moves through the letter's pages
// and zooms: the events it announces, on the page that has the focus and
// on the window, whose title tells the page and the zoom.
#include <QAccessible>
#include <QtTest>

#include "Form2.h"
#include "PictureBox.h"
#include "RecordingMessenger.h"

namespace {
using Heard = QPair<QObject *, QAccessible::Event>;
QList<Heard> heard;

void recordEvent(QAccessibleEvent *event)
{
    heard << Heard(event->object(), event->type());
}

// A page that draws at 125% and is refused at 150% (too high to draw).
QImage pagePicture()
{
    QImage picture(300, 500, QImage::Format_RGB32);
    picture.fill(Qt::white);
    return picture;
}
} // namespace

class TestPreviewAnnouncements : public QObject
{
    Q_OBJECT

    RecordingMessenger m_messenger;

private slots:
    void initTestCase()
    {
        QAccessible::installUpdateHandler(recordEvent);
        // Events go out only while assistive technology listens: the
        // accessibility bus this test runs with.
        QTRY_VERIFY(QAccessible::isActive());
    }

    void pageAndZoomChangesAreAnnounced_data()
    {
        QTest::addColumn<int>("zoomsBefore"); // Zoom In before the step
        QTest::addColumn<bool>("nextPage");   // else Zoom In
        QTest::addColumn<bool>("pageNameChanges");
        QTest::addColumn<bool>("alert");
        QTest::addColumn<float>("drawn"); // the zoom the page shows afterwards
        QTest::newRow("next page") << 0 << true << true << false << 1.0f;
        QTest::newRow("zoom in") << 0 << false << false << false << 1.25f;
        QTest::newRow("zoom in refused") << 1 << false << false << true << 1.25f;
    }

    void pageAndZoomChangesAreAnnounced()
    {
        QFETCH(int, zoomsBefore);
        QFETCH(bool, nextPage);
        QFETCH(bool, pageNameChanges);
        QFETCH(bool, alert);
        QFETCH(float, drawn);
        Form2 form(m_messenger);
        form.Form_Load();
        form.setPages({{pagePicture(), QStringLiteral("page 1"), {}}, {pagePicture(), QStringLiteral("page 2"), {}}});
        form.showPreview();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!form.isFirstActivationPending());
        for (int i = 0; i < zoomsBefore; ++i)
            form.PushButton1_Click();
        heard.clear();
        if (nextPage)
            QTest::keyClick(&form, Qt::Key_PageDown, Qt::ControlModifier);
        else
            form.PushButton1_Click();
        QTRY_VERIFY(!form.isFirstActivationPending());

        QCOMPARE(heard.contains(Heard(&form, QAccessible::NameChanged)), true);
        QCOMPARE(heard.contains(Heard(form.Picture1, QAccessible::DescriptionChanged)), true);
        QCOMPARE(heard.contains(Heard(form.Picture1, QAccessible::NameChanged)), pageNameChanges);
        QCOMPARE(heard.contains(Heard(form.Picture1, QAccessible::Alert)), alert);
        QCOMPARE(form.drawnZoom(), drawn);
    }
};

QTEST_MAIN(TestPreviewAnnouncements)
#include "test_preview_announcements.moc"
