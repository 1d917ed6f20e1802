// The spelling in the Letter Text window: misspelled words underlined as
// typed, the context menu's suggestions and its Add to Dictionary; and the
// signature picture chosen there.
#include <QComboBox>
#include <QContextMenuEvent>
#include <QLabel>
#include <QMenu>
#include <QPlainTextEdit>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextLayout>
#include <QTimer>
#include <QtTest>

#include "CommonDialog.h"
#include "LetterTextWindow.h"
#include "RecordingMessenger.h"
#include "Settings.h"
#include "Spelling.h"
#include "TestFiles.h"

namespace {
// The file dialog answered by the test: the file the user picks, or
// nothing (cancel).
class PickFile : public CommonDialog
{
public:
    QString toPick;
    void ShowOpen() override { FileName = toPick; }
    void ShowSave() override { FileName.clear(); }
};
} // namespace

class TestLetterTextWindow : public QObject
{
    Q_OBJECT

    // The words of the letter text's first paragraph that are underlined.
    static QStringList underlined(const QPlainTextEdit *editor)
    {
        QStringList words;
        const QTextBlock block = editor->document()->firstBlock();
        for (const QTextLayout::FormatRange &range : block.layout()->formats()) {
            if (range.format.underlineStyle() == QTextCharFormat::SpellCheckUnderline)
                words << block.text().mid(range.start, range.length);
        }
        return words;
    }

private slots:
    // A letter in another language than the desktop's: its dictionary
    // chosen in the window checks it from then on, and is kept.
    void theDictionaryChosenChecksTheTextAndIsKept()
    {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(data.path()));
        qputenv("LC_ALL", "en_US.UTF-8");
        RecordingMessenger messenger;
        LetterTextWindow window(messenger, QString());
        window.letterText->setPlainText(QStringLiteral("Je vous remercie de votre attention"));
        QVERIFY(underlined(window.letterText).contains(QStringLiteral("remercie")));
        const int french = window.dictionary->findData(QStringLiteral("fr_FR"));
        QVERIFY(french > 0);
        window.dictionary->setCurrentIndex(french);
        QCOMPARE(underlined(window.letterText), QStringList());
        window.accept();
        QCOMPARE(SpellChecker().language(), QStringLiteral("fr_FR"));
        LetterTextWindow again(messenger, QString());
        QCOMPARE(again.dictionary->currentData().toString(), QStringLiteral("fr_FR"));
        QVERIFY(messenger.messages.empty());
    }

    void theSignatureChosenIsKeptAndABadOneNamed_data()
    {
        QTest::addColumn<QString>("kept");   // the choice as the window opens
        QTest::addColumn<QString>("picked"); // the file picked; empty: cancel; "-": Remove
        QTest::addColumn<QString>("after");  // the row's name, the choice kept on OK and what was told
        QTest::newRow("a PNG picked") << QString() << "sig.png"
                                      << "sig.png|sig.png|";
        QTest::newRow("cancelled") << "sig.png" << QString() << "sig.png|sig.png|";
        QTest::newRow("removed") << "sig.png"
                                 << "-"
                                 << "None||";
        QTest::newRow("no picture") << "sig.png"
                                    << "notes.png"
                                    << "sig.png|sig.png|notes.png is not a PNG, JPEG or SVG picture.";
    }

    void theSignatureChosenIsKeptAndABadOneNamed()
    {
        QFETCH(QString, kept);
        QFETCH(QString, picked);
        QFETCH(QString, after);
        QTemporaryDir data;
        qputenv("XDG_CONFIG_HOME", QFile::encodeName(data.path()));
        const QDir folder(data.path());
        writeFile(folder.filePath(QStringLiteral("sig.png")), pictureFile("PNG", 90, 30));
        writeFile(folder.filePath(QStringLiteral("notes.png")), "my signature");
        Settings().setSignature(kept.isEmpty() ? QString() : folder.filePath(kept));
        RecordingMessenger messenger;
        LetterTextWindow window(messenger, QString());
        PickFile dialog;
        dialog.toPick = picked.isEmpty() ? QString() : folder.filePath(picked);
        window.signatureDialog = &dialog;
        (picked == u"-" ? window.removeSignatureButton : window.chooseSignatureButton)->click();
        window.accept();
        QString told = messenger.messages.empty() ? QString() : messenger.messages.front().text;
        QCOMPARE(window.signatureName->text() + u'|' + QFileInfo(Settings().signature()).fileName() + u'|'
                         + told.remove("The signature picture " + data.path() + u'/'),
                 after);
        qunsetenv("XDG_CONFIG_HOME");
    }

    void misspelledWordsAreUnderlinedAndPutRightFromTheMenu()
    {
        QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        qputenv("LC_ALL", "en_US.UTF-8");
        RecordingMessenger messenger;
        LetterTextWindow window(messenger, QString());
        window.letterText->clear();
        QTest::keyClicks(window.letterText, QStringLiteral("Marrowfen will recieve [Positon] at a@b.example"));
        QCOMPARE(underlined(window.letterText), (QStringList{"Marrowfen", "recieve"}));

        // The word's suggestions come first; choosing one is one step for Undo.
        QTextCursor caret(window.letterText->document());
        caret.setPosition(18);
        std::unique_ptr<QMenu> menu(window.createTextMenu(caret));
        QCOMPARE(menu->actions().first()->text(), QStringLiteral("receive"));
        menu->actions().first()->trigger();
        QCOMPARE(window.letterText->toPlainText(), QStringLiteral("Marrowfen will receive [Positon] at a@b.example"));
        QCOMPARE(underlined(window.letterText), QStringList{"Marrowfen"});
        window.letterText->undo();
        QCOMPARE(window.letterText->toPlainText(), QStringLiteral("Marrowfen will recieve [Positon] at a@b.example"));

        // An added word loses its underline and is in the user's word list.
        caret.setPosition(0);
        menu.reset(window.createTextMenu(caret));
        const QList<QAction *> actions = menu->actions();
        const auto add = std::find_if(actions.cbegin(), actions.cend(), [](const QAction *action) {
            return action->text() == QStringLiteral("Add to &Dictionary");
        });
        QVERIFY(add != actions.cend());
        QVERIFY(actions[add - actions.cbegin() + 1]->isSeparator());
        (*add)->trigger();
        QCOMPARE(underlined(window.letterText), QStringList{"recieve"});
        QCOMPARE(SpellChecker().misspelledWords(QStringLiteral("Marrowfen")), QStringList());
        QVERIFY(messenger.messages.empty());

        // From the keyboard (Shift+F10, the Menu key) the menu is for the word at the caret.
        window.letterText->setTextCursor(caret);
        window.letterText->moveCursor(QTextCursor::EndOfWord);
        window.letterText->moveCursor(QTextCursor::NextWord);
        window.letterText->moveCursor(QTextCursor::NextWord);
        for (int i = 0; i < 2; ++i) {
            QString first;
            QTimer::singleShot(0, this, [&first] {
                auto *popup = qobject_cast<QMenu *>(QApplication::activePopupWidget());
                first = popup ? popup->actions().first()->text() : QString();
                if (popup)
                    popup->close();
            });
            if (i == 0) {
                QTest::keyClick(window.letterText, Qt::Key_F10, Qt::ShiftModifier);
            } else {
                QContextMenuEvent menuKey(QContextMenuEvent::Keyboard, QPoint(), QPoint());
                QApplication::sendEvent(window.letterText, &menuKey);
            }
            QCOMPARE(first, QStringLiteral("receive"));
        }
        qunsetenv("XDG_DATA_HOME");
        qunsetenv("LC_ALL");
    }
};

QTEST_MAIN(TestLetterTextWindow)
#include "test_letter_text_window.moc"
