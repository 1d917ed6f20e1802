// What a screen reader finds in the two windows, for a letter made by the
// real office: the page's words, the page in the Tab order, and no trace of
// the hidden date field.
#include <QAccessible>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "Form1.h"
#include "Form2.h"
#include "LetterFields.h"
#include "LetterRun.h"
#include "LibreOfficeAutomation.h"
#include "PictureBox.h"
#include "PushButton.h"
#include "RecordingMessenger.h"
#include "Settings.h"

namespace {
// Every object a screen reader reaches from a window by walking its
// accessible children.
QList<const QObject *> accessibleTree(QWidget *window)
{
    QList<const QObject *> reached;
    QList<QAccessibleInterface *> pending{QAccessible::queryAccessibleInterface(window)};
    while (!pending.isEmpty()) {
        QAccessibleInterface *node = pending.takeFirst();
        reached << node->object();
        for (int i = 0; i < node->childCount(); ++i) {
            if (QAccessibleInterface *child = node->child(i))
                pending << child;
        }
    }
    return reached;
}
} // namespace

class TestAccessibility : public QObject
{
    Q_OBJECT

    QTemporaryDir m_scratch;
    QTemporaryDir m_config;
    RecordingMessenger m_messenger;
    Settings m_settings;
    LibreOfficeAutomation m_office;

private slots:
    void initTestCase()
    {
        qputenv("temp", QFile::encodeName(m_scratch.path()));
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
    }

    void aScreenReaderReadsTheLetterReachesThePageAndNeverTheDate()
    {
        const LetterRequest request = sampleRequest();
        const MadeLetter made = makeLetter(m_office, request);
        QVERIFY2(made.reports.empty(), qPrintable(reportTexts(made).join(QLatin1Char('\n'))));
        QVERIFY(made.canShow());

        Form2 preview(m_messenger);
        preview.Form_Load();
        preview.setPages(made.pages);
        preview.showPreview();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        QTRY_VERIFY(!preview.isFirstActivationPending());

        // The page offers the office's words of the page shown: the
        // recipient's name and the date among them.
        QAccessibleInterface *page = QAccessible::queryAccessibleInterface(preview.Picture1);
        QAccessibleTextInterface *text = page->textInterface();
        QVERIFY(text);
        const QString read = text->text(0, text->characterCount());
        QCOMPARE(read, made.pages.front().text);
        QVERIFY2(read.contains(request.fields[7]) && read.contains(request.date), qPrintable(read));
        QVERIFY(page->state().focusable && page->state().readOnly);
        QVERIFY(page->text(QAccessible::Description).startsWith(QStringLiteral("Zoom 100%")));
        const QList<const QObject *> previewTree = accessibleTree(&preview);
        QVERIFY(previewTree.contains(preview.Picture1));
        QVERIFY(!previewTree.contains(preview.Zoom_Ori));
        QCOMPARE(QAccessible::queryAccessibleInterface(&preview)->role(), QAccessible::Window);

        // The page has the focus when the letter opens, and Tab runs as the
        // controls stand: the page, the zoom buttons, "< Back", then Save.
        QTRY_COMPARE(QApplication::focusWidget(), static_cast<QWidget *>(preview.Picture1));
        const QList<QWidget *> tabs = {preview.PushButton1, preview.PushButton2, preview.PushButton8,
                                       preview.PushButton6, preview.Picture1};
        for (QWidget *next : tabs) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(), next);
        }

        // The main window never offers the date field, though it holds the
        // letter's date and keeps it in the settings.
        Form1 main({m_messenger, m_settings, m_office});
        main.show();
        QVERIFY(QTest::qWaitForWindowExposed(&main));
        main.Text1[DateFieldIndex]->setText(request.date);
        QCOMPARE(m_settings.field(DateFieldIndex), request.date);
        const QList<const QObject *> mainTree = accessibleTree(&main);
        QVERIFY(mainTree.contains(main.Text1[0]));
        QVERIFY(!mainTree.contains(main.Text1[DateFieldIndex]));
        QCOMPARE(QAccessible::queryAccessibleInterface(&main)->role(), QAccessible::Window);
        DeleteFileQuietly(made.document);
    }
};

QTEST_MAIN(TestAccessibility)
#include "test_accessibility.moc"
