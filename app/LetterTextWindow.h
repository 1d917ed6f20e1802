#pragma once

#include <memory>

#include <QDialog>

class CommonDialog;
class Messenger;
class QBoxLayout;
class QDialogButtonBox;
class QLabel;
class QLineEdit;
class QMenu;
class QPlainTextEdit;
class QPushButton;
class QScrollArea;
class QTextCursor;
class SpellingHighlighter;

// "Tessaline — Letter Text": the built-in letter's body in the user's own
// words, and their phone and e-mail. It opens with the letter text as the
// user last kept it, else the built-in body (its telephone number as
// [Phone]); OK keeps the text in its file (see LetterText.h) and the phone
// and e-mail under the settings keys "Phone" and "Email"; Cancel keeps
// nothing. A text that cannot be kept is told and the window stays open,
// so nothing typed is lost. Misspelled words of the letter text are
// underlined as the user types; its context menu offers what to write
// instead and adds a word to the user's word list.
class QComboBox;

class LetterTextWindow : public QDialog
{
    Q_OBJECT
public:
    // `templateFile`: the user's own template in use, empty for the built-in
    // letter; the window says that such a template keeps its own words.
    LetterTextWindow(Messenger &messenger, const QString &templateFile, QWidget *parent = nullptr);
    ~LetterTextWindow() override;

    void accept() override;

    // The letter text's context menu for the word at `at` (the caller owns
    // it): for a misspelled word, up to five suggestions and "Add to
    // Dictionary" before the editor's own commands.
    QMenu *createTextMenu(const QTextCursor &at);

    QPlainTextEdit *letterText = nullptr;
    QLineEdit *phone = nullptr;
    QLineEdit *email = nullptr;
    QLineEdit *web = nullptr;
    QLineEdit *country = nullptr;          // [Country]
    QLineEdit *recipientCountry = nullptr; // [Country2]
    // The built-in letter's greeting (with and without the recipient's
    // name), closing and enclosure line.
    QLineEdit *greeting = nullptr;
    QLineEdit *greetingNoName = nullptr;
    QLineEdit *closing = nullptr;
    QLineEdit *enclosure = nullptr;
    // The dictionary the letter text is checked with: the first item is
    // the user's language's (no name), the others each installed one.
    QComboBox *dictionary = nullptr;
    QPushButton *insertPlaceholderButton = nullptr;
    QMenu *placeholderMenu = nullptr;
    QPushButton *restoreButton = nullptr;
    QDialogButtonBox *buttons = nullptr;
    // Shown only while a template of the user's own is in use.
    QLabel *ownTemplateNote = nullptr;
    // The signature picture ("Signature" in the settings): its file's name,
    // or that there is none; Choose… asks for a picture through
    // signatureDialog, Remove signs no more. OK keeps the choice.
    QLabel *signatureName = nullptr;
    QPushButton *chooseSignatureButton = nullptr;
    QPushButton *removeSignatureButton = nullptr;
    CommonDialog *signatureDialog = nullptr; // the window's own unless a test sets one
    QString signature() const { return m_signature; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;
    void resizeEvent(QResizeEvent *event) override;

private:
    // The tools under the letter text and the two columns of fields side by
    // side where the window is as wide as they ask, else one under another.
    void arrangeForWidth();
    void load();
    void insertPlaceholder(const QString &placeholder);
    void replaceWord(int start, int length, const QString &replacement);
    void addToDictionary(const QString &word);
    void chooseSignature();
    void showSignature(const QString &path);

    Messenger &m_messenger;
    SpellingHighlighter *m_spelling = nullptr;
    QScrollArea *m_contentArea = nullptr;
    QBoxLayout *m_tools = nullptr;
    QBoxLayout *m_details = nullptr;
    int m_wideContentWidth = 0; // the content's least width side by side
    std::unique_ptr<CommonDialog> m_ownSignatureDialog;
    QString m_signature; // the picture's path as chosen; empty: none
};
