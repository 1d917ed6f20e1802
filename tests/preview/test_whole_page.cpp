// View ▸ Whole Page against pages the real office renders: the sheet as
// printed, on the paper the letter has, remembered between runs.
#include <QAction>
#include <QSettings>
#include <QTemporaryDir>
#include <QtTest>

#include "Form2.h"
#include "LetterFields.h"
#include "LibreOfficeAutomation.h"
#include "PageInk.h"
#include "PageSnapshotSize.h"
#include "PictureBox.h"
#include "RecordingMessenger.h"
#include "SettingsStore.h"

class TestWholePage : public QObject
{
    Q_OBJECT

    QTemporaryDir m_config;
    RecordingMessenger m_messenger;
    LibreOfficeAutomation m_automation;
    std::shared_ptr<word::Application> m_office;

    word::PagePicture render(const QString &file, int page)
    {
        auto document = m_office->documents().open(file, {.readOnly = true});
        word::PagePicture picture = document->renderPage(page, MinimumPixelsPerLogicalInch);
        document->close(word::WdSaveOptions::DoNotSaveChanges);
        return picture;
    }

private slots:
    void initTestCase()
    {
        QSettings::setPath(QSettings::NativeFormat, QSettings::UserScope, m_config.path());
        m_office = m_automation.createApplication();
    }
    void cleanupTestCase() { m_office->quit(); }
    void init() { UserSettingsStore().remove(QStringLiteral("WholePage")); }

    void theWholePageShowsTheSheetAsPrintedAndIsRemembered_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<int>("page");
        QTest::addColumn<QSizeF>("paper");    // points
        QTest::addColumn<QPointF>("margins"); // left, top, points
        QTest::newRow("US Letter, a user's template")
                << QStringLiteral("user-template/my-letter.odt") << 1 << QSizeF(612, 792) << QPointF(72, 43.2);
        QTest::newRow("A4, a later page")
                << QStringLiteral("page-parts.fodt") << 2 << QSizeF(595, 842) << QPointF(70.9, 42.5);
    }

    void theWholePageShowsTheSheetAsPrintedAndIsRemembered()
    {
        QFETCH(QString, file);
        QFETCH(int, page);
        QFETCH(QSizeF, paper);
        QFETCH(QPointF, margins);
        const word::PagePicture picture
                = render(QStringLiteral(TESSALINE_SOURCE_DIR "/tests/letter/data/") + file, page);
        Form2 form(m_messenger);
        form.Form_Load();
        form.setPages({picture});
        form.showPreview();
        QVERIFY(QTest::qWaitForWindowExposed(&form));
        QTRY_VERIFY(!form.isFirstActivationPending());
        QVERIFY(!form.wholePageAction->isChecked()); // the printed block, unless chosen
        const int blockWidth = form.viewport().mDrawWidth;

        form.wholePageAction->trigger();
        QTRY_VERIFY(!form.isFirstActivationPending());
        const double shownRatio = double(form.viewport().mDrawWidth) / form.viewport().mDrawHeight;
        QVERIFY2(qAbs(shownRatio / (paper.width() / paper.height()) - 1) < 0.01,
                 qPrintable(QString::number(shownRatio)));
        // White margins; the header's first line at the top margin, where
        // the text below it cannot yet be.
        const QImage sheet = form.Picture1->buffer().toImage();
        const double scale = form.viewport().mDrawHeight / 15.0 / paper.height(); // 15 twips a pixel
        const int firstRow = inkRows(sheet).first();
        QVERIFY2(firstRow >= margins.y() * scale - 2 && firstRow <= (margins.y() + 18) * scale,
                 qPrintable(QString::number(firstRow)));
        QVERIFY(inkColumns(sheet).first() >= margins.x() * scale - 2);
        QVERIFY(inkColumns(sheet).last() <= (paper.width() - margins.x()) * scale + 2);
        QCOMPARE(form.Picture1->accessibleText(), picture.text);

        // A new window, as after a restart, shows the sheet again; turned
        // off, the printed block comes back.
        Form2 again(m_messenger);
        QVERIFY(again.wholePageAction->isChecked());
        form.wholePageAction->trigger();
        QTRY_VERIFY(!form.isFirstActivationPending());
        QCOMPARE(form.viewport().mDrawWidth, blockWidth);
        QVERIFY(m_messenger.messages.empty());
    }
};

QTEST_MAIN(TestWholePage)
#include "test_whole_page.moc"
