#include "LetterTextWindow.h"

#include <memory>

#include <QAction>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QContextMenuEvent>
#include <QDir>
#include <QFileInfo>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLocale>
#include <QSignalBlocker>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "AppTitle.h"
#include "BuiltInLetter.h"
#include "CommonDialog.h"
#include "HelpTexts.h"
#include "LetterTemplate.h"
#include "LetterText.h"
#include "Messenger.h"
#include <QScrollArea>

#include "ScreenFit.h"
#include "Settings.h"
#include "SignaturePicture.h"
#include "SpellingHighlighter.h"

namespace {
// Room for a letter's body at a glance, in average characters and lines;
// on a small screen, the least it narrows and lowers to.
constexpr int TextColumns = 72, TextLines = 16;
constexpr int FewestColumns = 24, FewestLines = 5;
// The least width of a wording field, in average characters.
constexpr int WordingColumns = 30, FewestWordingColumns = 12;
// Enough to find the word meant without a long menu to read through.
constexpr int MaxSuggestions = 5;
} // namespace

LetterTextWindow::LetterTextWindow(Messenger &messenger, const QString &templateFile, QWidget *parent)
    : QDialog(parent), m_messenger(messenger)
{
    setWindowTitle(QString::fromLatin1(ProductName) + QStringLiteral(" \u2014 ") + tr("Letter Text"));

    auto *intro = new QLabel(tr("The body of the built-in letter: what stands between \"Dear …:\" and "
                                "\"Sincerely,\". A blank line starts a new paragraph; a line that begins "
                                "with a dash and a space (\"- \") is a bulleted item. Placeholders such as "
                                "[CompanyName] are filled as everywhere else."),
                             this);
    intro->setWordWrap(true);

    ownTemplateNote = new QLabel(this);
    ownTemplateNote->setWordWrap(true);
    ownTemplateNote->setText(tr("Your own template, %1, is in use: it keeps its own words, and this text "
                                "is used once you choose Letter > Built-in Letter again. Your phone and "
                                "e-mail fill [Phone] and [Email] in every template.")
                                     .arg(LetterTemplate::displayName(templateFile)));
    ownTemplateNote->setVisible(!templateFile.isEmpty());

    auto *textLabel = new QLabel(tr("Letter &text:"), this);
    letterText = new QPlainTextEdit(this);
    letterText->setTabChangesFocus(true);
    letterText->setAccessibleName(tr("Letter Text"));
    letterText->setAccessibleDescription(tr("The body of the built-in letter, in your own words"));
    letterText->verticalScrollBar()->setAccessibleName(tr("Letter Text, up and down"));
    letterText->verticalScrollBar()->setAccessibleDescription(tr("Scrolls the letter text up and down"));
    letterText->horizontalScrollBar()->setAccessibleName(tr("Letter Text, sideways"));
    letterText->horizontalScrollBar()->setAccessibleDescription(tr("Scrolls the letter text sideways"));
    const QFontMetrics metrics(letterText->font());
    letterText->setMinimumSize(metrics.averageCharWidth() * TextColumns, metrics.lineSpacing() * TextLines);
    textLabel->setBuddy(letterText);
    m_spelling = new SpellingHighlighter(letterText->document());
    // Its context menu, from the mouse, the Menu key or Shift+F10, starts
    // with the spelling of the word there.
    letterText->installEventFilter(this);
    letterText->viewport()->installEventFilter(this);

    insertPlaceholderButton = new QPushButton(tr("&Insert Placeholder"), this);
    insertPlaceholderButton->setAccessibleDescription(tr("Puts a placeholder where the caret is in the letter text"));
    placeholderMenu = new QMenu(insertPlaceholderButton);
    placeholderMenu->setAccessibleName(tr("Placeholders"));
    for (const QString &placeholder : placeholdersInReadingOrder())
        placeholderMenu->addAction(placeholder, this, [this, placeholder] { insertPlaceholder(placeholder); });
    insertPlaceholderButton->setMenu(placeholderMenu);

    restoreButton = new QPushButton(tr("&Restore Built-in Text"), this);
    restoreButton->setAccessibleDescription(tr("Puts the built-in letter's body back into the letter text"));
    connect(restoreButton, &QPushButton::clicked, this,
            [this] { letterText->setPlainText(LetterText::builtInText()); });

    phone = new QLineEdit(this);
    phone->setAccessibleName(tr("Your Phone"));
    phone->setAccessibleDescription(tr("Fills [Phone] in the letter"));
    email = new QLineEdit(this);
    email->setAccessibleName(tr("Your E-mail"));
    email->setAccessibleDescription(tr("Fills [Email] in the letter"));
    auto lineEdit = [this](const QString &name, const QString &description) {
        auto *edit = new QLineEdit(this);
        edit->setAccessibleName(name);
        edit->setAccessibleDescription(description);
        return edit;
    };
    web = lineEdit(tr("Your Web Page"), tr("Fills [Web]: the letterhead design's line under your phone and e-mail"));
    country = lineEdit(tr("Your Country"), tr("Fills [Country]: a line under your city when given"));
    recipientCountry
            = lineEdit(tr("Recipient's Country"), tr("Fills [Country2]: a line under the recipient's city when given"));
    greeting = lineEdit(tr("Greeting"), tr("The built-in letter's greeting; placeholders work here"));
    greetingNoName = lineEdit(tr("Greeting Without a Name"),
                              tr("The built-in letter's greeting when the recipient's name is empty"));
    closing = lineEdit(tr("Closing"), tr("The built-in letter's closing; empty: none"));
    enclosure = lineEdit(tr("Enclosure Line"), tr("The line under your name; empty: none"));

    // The signature picture: its name, and a button to choose and one to
    // sign no more.
    signatureName = new QLabel(this);
    // A long file name is cut, not a reason for a wider window (its whole
    // path is the tooltip).
    signatureName->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    signatureName->setMinimumWidth(signatureName->fontMetrics().horizontalAdvance(tr("None")));
    signatureName->setAccessibleDescription(tr("The picture signed above your typed name"));
    chooseSignatureButton = new QPushButton(tr("Ch&oose…"), this);
    chooseSignatureButton->setAccessibleName(tr("Choose Signature"));
    chooseSignatureButton->setAccessibleDescription(
            tr("Chooses a picture of your signature (PNG, JPEG or SVG) for above your typed name"));
    removeSignatureButton = new QPushButton(tr("Remo&ve"), this);
    removeSignatureButton->setAccessibleName(tr("Remove Signature"));
    removeSignatureButton->setAccessibleDescription(tr("Letters are no longer signed with a picture"));
    m_ownSignatureDialog = std::make_unique<FileDialogCommonDialog>(this);
    signatureDialog = m_ownSignatureDialog.get();
    connect(chooseSignatureButton, &QPushButton::clicked, this, &LetterTextWindow::chooseSignature);
    connect(removeSignatureButton, &QPushButton::clicked, this, [this] { showSignature(QString()); });

    buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)
            ->setAccessibleDescription(tr("Keeps the letter text and everything below it"));
    buttons->button(QDialogButtonBox::Cancel)->setAccessibleDescription(tr("Closes the window and keeps nothing"));
    connect(buttons, &QDialogButtonBox::accepted, this, &LetterTextWindow::accept);
    connect(buttons, &QDialogButtonBox::rejected, this, &LetterTextWindow::reject);

    // Any installed dictionary: a letter in another language than the
    // desktop's is checked in its own.
    dictionary = new QComboBox(this);
    dictionary->setAccessibleName(tr("Spelling Dictionary"));
    dictionary->setAccessibleDescription(tr("The language the letter text's spelling is checked in"));
    dictionary->addItem(tr("Your language's"), QString());
    for (const QString &name : SpellChecker::installedLanguages()) {
        const QLocale language(name);
        const QString shown = language.language() == QLocale::C
                ? name
                : QStringLiteral("%1 (%2)").arg(QLocale::languageToString(language.language()), name);
        dictionary->addItem(shown, name);
    }
    connect(dictionary, &QComboBox::currentIndexChanged, this,
            [this] { m_spelling->useLanguage(dictionary->currentData().toString()); });
    auto *dictionaryLabel = new QLabel(tr("&Dictionary:"), this);
    dictionaryLabel->setBuddy(dictionary);

    // In one row where the window is wide enough, else one under another
    // (arrangeForWidth), so that no button's words are cut.
    auto *dictionaryRow = new QHBoxLayout;
    dictionaryRow->addWidget(dictionaryLabel);
    dictionaryRow->addWidget(dictionary);
    m_tools = new QBoxLayout(QBoxLayout::LeftToRight);
    m_tools->addWidget(insertPlaceholderButton, 0, Qt::AlignLeft);
    m_tools->addStretch();
    m_tools->addLayout(dictionaryRow);
    m_tools->addWidget(restoreButton, 0, Qt::AlignLeft);
    // Who writes and where, beside the built-in letter's own words.
    auto *sender = new QFormLayout;
    sender->addRow(tr("Your P&hone:"), phone);
    sender->addRow(tr("Your E-&mail:"), email);
    sender->addRow(tr("Your We&b Page:"), web);
    sender->addRow(tr("Your Co&untry:"), country);
    sender->addRow(tr("Recipient's Countr&y:"), recipientCountry);
    auto *signatureRow = new QHBoxLayout;
    signatureRow->addWidget(signatureName, 1);
    signatureRow->addWidget(chooseSignatureButton);
    signatureRow->addWidget(removeSignatureButton);
    sender->addRow(tr("Signature:"), signatureRow);
    auto *wording = new QFormLayout;
    wording->addRow(tr("&Greeting:"), greeting);
    wording->addRow(tr("Greeting &without a name:"), greetingNoName);
    wording->addRow(tr("C&losing:"), closing);
    wording->addRow(tr("&Enclosure line:"), enclosure);
    // Room for a greeting such as "Sehr geehrte Frau [RecipientName],".
    for (QLineEdit *words : {greeting, greetingNoName, closing, enclosure})
        words->setMinimumWidth(metrics.averageCharWidth() * WordingColumns);
    m_details = new QBoxLayout(QBoxLayout::LeftToRight);
    m_details->addLayout(sender, 1);
    m_details->addSpacing(metrics.averageCharWidth() * 2);
    m_details->addLayout(wording, 1);

    // Everything but the heading, OK and Cancel scrolls where the screen is
    // too small.
    auto *content = new QWidget(this);
    auto *contentLayout = new QVBoxLayout(content);
    contentLayout->setContentsMargins(0, 0, 0, 0);
    contentLayout->addWidget(ownTemplateNote);
    contentLayout->addWidget(textLabel);
    contentLayout->addWidget(letterText, 1);
    contentLayout->addLayout(m_tools);
    contentLayout->addLayout(m_details);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(intro);
    m_contentArea = scrollableContent(this, content);
    layout->addWidget(m_contentArea, 1);
    layout->addWidget(buttons);

    // It opens at the size the wide arrangement asks for (not the two
    // thirds of the screen a window is held to by default: the screen's
    // whole room is kept to by the screen fit); then the text and the
    // fields may give up room to a smaller screen, one row under another
    // where the window is narrower than that.
    // Sized with the stored values in place: they may widen a row.
    load();
    resize(sizeHint());
    m_wideContentWidth = content->minimumSizeHint().width();
    letterText->setMinimumSize(metrics.averageCharWidth() * FewestColumns, metrics.lineSpacing() * FewestLines);
}

LetterTextWindow::~LetterTextWindow() = default;

void LetterTextWindow::arrangeForWidth()
{
    // Where the content scrolls up and down, its bar takes room across.
    const QSize view = m_contentArea->maximumViewportSize();
    const bool scrolls = m_contentArea->widget()->minimumSizeHint().height() > view.height();
    const int bar
            = scrolls ? m_contentArea->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, m_contentArea) : 0;
    const bool wide = view.width() - bar >= m_wideContentWidth;
    const QBoxLayout::Direction direction = wide ? QBoxLayout::LeftToRight : QBoxLayout::TopToBottom;
    if (m_details->direction() == direction)
        return;
    m_details->setDirection(direction);
    m_tools->setDirection(direction);
    // One under another, the wording fields narrow, and a field whose label
    // leaves it too little room goes under its label.
    for (QLineEdit *words : {greeting, greetingNoName, closing, enclosure})
        words->setMinimumWidth(words->fontMetrics().averageCharWidth()
                               * (wide ? WordingColumns : FewestWordingColumns));
    for (int i = 0; i < m_details->count(); ++i) {
        if (auto *form = qobject_cast<QFormLayout *>(m_details->itemAt(i)->layout()))
            form->setRowWrapPolicy(wide ? QFormLayout::DontWrapRows : QFormLayout::WrapLongRows);
    }
}

void LetterTextWindow::resizeEvent(QResizeEvent *event)
{
    QDialog::resizeEvent(event);
    arrangeForWidth();
}

void LetterTextWindow::load()
{
    QString text = LetterText::builtInText();
    try {
        if (const std::optional<QString> kept = LetterText::read(LetterText::filePath()))
            text = *kept;
    } catch (const std::exception &e) {
        m_messenger.showMessage(QString::fromUtf8(e.what()), QString(), Messenger::Icon::Warning);
    }
    letterText->setPlainText(text);
    const Settings settings;
    phone->setText(settings.phone());
    email->setText(settings.email());
    web->setText(settings.web());
    country->setText(settings.country());
    recipientCountry->setText(settings.recipientCountry());
    showSignature(settings.signature());
    // The highlighter took the same choice already.
    const QSignalBlocker quiet(dictionary);
    const int chosen = dictionary->findData(settings.spellingLanguage());
    dictionary->setCurrentIndex(chosen < 0 ? 0 : chosen);
    const BuiltInLetter::Wording wording = BuiltInLetter::storedWording();
    greeting->setText(wording.greeting);
    greetingNoName->setText(wording.greetingNoName);
    closing->setText(wording.closing);
    enclosure->setText(wording.enclosure);
}

void LetterTextWindow::showSignature(const QString &path)
{
    m_signature = path;
    const QString name = path.isEmpty() ? tr("None") : QFileInfo(path).fileName();
    signatureName->setText(name);
    signatureName->setToolTip(QDir::toNativeSeparators(path));
    signatureName->setAccessibleName(tr("Signature: %1").arg(name));
    removeSignatureButton->setEnabled(!path.isEmpty());
}

void LetterTextWindow::chooseSignature()
{
    CommonDialog &dialog = *signatureDialog;
    dialog.DialogTitle = tr("Choose Signature");
    dialog.Filter = tr("Pictures (*.png *.jpg *.jpeg *.svg)|*.png;*.jpg;*.jpeg;*.svg");
    dialog.FilterIndex = 1;
    dialog.DefaultExt.clear();
    dialog.InitDir = m_signature.isEmpty() ? documentsFolder() : QFileInfo(m_signature).absolutePath();
    dialog.FileName.clear();
    dialog.ShowOpen();
    if (dialog.FileName.isEmpty())
        return; // a cancelled choice changes nothing
    const QString chosen = QFileInfo(dialog.FileName).absoluteFilePath();
    // Told now, while the user can choose another, rather than at the
    // next letter.
    const QString problem = SignaturePicture::problem(chosen);
    if (!problem.isEmpty()) {
        m_messenger.showMessage(problem, QString(), Messenger::Icon::Warning);
        return;
    }
    showSignature(chosen);
}

void LetterTextWindow::insertPlaceholder(const QString &placeholder)
{
    letterText->insertPlainText(placeholder);
    letterText->setFocus(Qt::OtherFocusReason);
}

bool LetterTextWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched != letterText && watched != letterText->viewport())
        return QDialog::eventFilter(watched, event);
    const auto *key = event->type() == QEvent::KeyPress ? static_cast<QKeyEvent *>(event) : nullptr;
    const bool shiftF10 = key && key->key() == Qt::Key_F10 && key->modifiers() == Qt::ShiftModifier;
    if (event->type() != QEvent::ContextMenu && !shiftF10)
        return QDialog::eventFilter(watched, event);
    // From the keyboard the menu is for the word at the caret, below it.
    QTextCursor at = letterText->textCursor();
    QPoint where = letterText->viewport()->mapToGlobal(letterText->cursorRect().bottomLeft());
    const auto *menuEvent = event->type() == QEvent::ContextMenu ? static_cast<QContextMenuEvent *>(event) : nullptr;
    if (menuEvent && menuEvent->reason() == QContextMenuEvent::Mouse) {
        where = menuEvent->globalPos();
        at = letterText->cursorForPosition(letterText->viewport()->mapFromGlobal(where));
    }
    const std::unique_ptr<QMenu> menu(createTextMenu(at));
    menu->exec(where);
    return true;
}

QMenu *LetterTextWindow::createTextMenu(const QTextCursor &at)
{
    QMenu *menu = letterText->createStandardContextMenu();
    const QTextBlock block = at.block();
    const qsizetype caret = at.positionInBlock();
    const SpellChecker &checker = m_spelling->checker();
    for (const SpellChecker::Misspelling &m : checker.misspellings(block.text())) {
        if (caret < m.position || caret > m.position + m.length)
            continue;
        QAction *standardFirst = menu->actions().value(0);
        const int start = block.position() + int(m.position), length = int(m.length);
        for (const QString &suggestion : checker.suggestions(m.word).mid(0, MaxSuggestions)) {
            auto *action = new QAction(suggestion, menu);
            connect(action, &QAction::triggered, this,
                    [this, start, length, suggestion] { replaceWord(start, length, suggestion); });
            menu->insertAction(standardFirst, action);
        }
        auto *add = new QAction(tr("Add to &Dictionary"), menu);
        connect(add, &QAction::triggered, this, [this, word = m.word] { addToDictionary(word); });
        menu->insertAction(standardFirst, add);
        menu->insertSeparator(standardFirst);
        break;
    }
    return menu;
}

void LetterTextWindow::replaceWord(int start, int length, const QString &replacement)
{
    QTextCursor word(letterText->document());
    word.setPosition(start);
    word.setPosition(start + length, QTextCursor::KeepAnchor);
    word.insertText(replacement); // one step for Undo
    letterText->setTextCursor(word);
}

void LetterTextWindow::addToDictionary(const QString &word)
{
    try {
        m_spelling->checker().addToDictionary(word);
    } catch (const std::exception &e) {
        m_messenger.showMessage(QString::fromUtf8(e.what()), QString(), Messenger::Icon::Warning);
        return;
    }
    m_spelling->rehighlight();
}

void LetterTextWindow::accept()
{
    try {
        LetterText::write(LetterText::filePath(), letterText->toPlainText());
        Settings settings;
        settings.setPhone(phone->text());
        settings.setEmail(email->text());
        settings.setWeb(web->text());
        settings.setCountry(country->text());
        settings.setRecipientCountry(recipientCountry->text());
        settings.setSpellingLanguage(dictionary->currentData().toString());
        settings.setSignature(m_signature);
        BuiltInLetter::storeWording({greeting->text(), greetingNoName->text(), closing->text(), enclosure->text()});
    } catch (const std::exception &e) {
        m_messenger.showMessage(tr("%1\n\nYour letter text was not kept; the window stays open so that "
                                   "nothing you typed is lost.")
                                        .arg(QString::fromUtf8(e.what())),
                                QString(), Messenger::Icon::Warning);
        return;
    }
    QDialog::accept();
}
