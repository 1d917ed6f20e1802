#include "Form1.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>

#include "AppTitle.h"
#include "Form2.h"
#include "PageSnapshot.h"
#include "ScratchFiles.h"
#include "ErrorReport.h"
#include "ErrorTrap.h"
#include "Failure.h"
#include "IsInstalled.h"
#include "LetterFields.h"
#include "Main.h"
#include "Messenger.h"
#include "PushButton.h"
#include "SkinFramework.h"
#include "Twips.h"
#include "WindowLook.h"
#include "WindowPlacement.h"

namespace {
constexpr int ClientWidth = 8040, ClientHeight = 5670; // twips
constexpr int LabelHeight = 225, FieldHeight = 345, LabelDrop = 45;

struct Row
{
    int frame;       // 1 or 2
    int label;       // index into Label2
    const char *caption;
    int labelLeft, labelWidth;
    int field;       // index into Text1
    int fieldLeft, fieldTop, fieldWidth;
};

// The rows of both frames, in tab order.
constexpr std::array<Row, 12> Rows = {{
    {1, 0, "Your Name:", 240, 975, 0, 1680, 300, 5895},
    {1, 1, "Street Address:", 240, 1335, 6, 1680, 750, 5895},
    {1, 4, "City:", 240, 360, 1, 1680, 1200, 2895},
    {1, 8, "State:", 4680, 495, 8, 5280, 1200, 495},
    {1, 9, "Zip Code:", 5880, 780, 9, 6720, 1200, 855},
    {2, 7, "Recipient Name:", 240, 1380, 7, 1680, 300, 5895},
    {2, 10, "Title:", 240, 405, 10, 1680, 750, 5895},
    {2, 11, "Company Name:", 240, 1380, 11, 1680, 1200, 5895},
    {2, 5, "Street Address:", 240, 1335, 4, 1680, 1650, 5895},
    {2, 6, "City:", 240, 360, 5, 1680, 2100, 2895},
    {2, 3, "State:", 4680, 495, 3, 5280, 2100, 495},
    {2, 2, "Zip Code:", 5880, 780, 2, 6720, 2100, 855},
}};

} // namespace

LetterFieldEdit::LetterFieldEdit(QWidget *parent) : QLineEdit(parent)
{
    // Pointer movement over a field changes no pointer.
    setAttribute(Qt::WA_NoMousePropagation);
}

void LetterFieldEdit::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    selectAll();
}

Form1::Form1(const Form1Services &services, QWidget *parent)
    : QWidget(parent), m_services(services), m_pointer(this),
      SkinFramework1(std::make_unique<SkinFramework>()),
      m_endProgram([] { QCoreApplication::quit(); }),
      m_programFolder(QCoreApplication::applicationDirPath())
{
    setWindowTitle(QStringLiteral("Form1"));
    setMouseTracking(true);
    setBackground(this, Qt::white);
    createControls();
    setFixedSize(twipsToPixels(ClientWidth, this), twipsToPixels(ClientHeight, this));
    placeInsideScreen(this);
}

Form1::~Form1() = default;

void Form1::createControls()
{
    auto place = [this](QWidget *w, int l, int t, int wd, int h) { w->setGeometry(twipsRect(l, t, wd, h, this)); };

    PushButton6 = new PushButton(tr("Start Creating Template"), this);
    PushButton3 = new PushButton(tr("Clear/Reset Data"), this);
    PushButton4 = new PushButton(tr("Load Sample/Example Data"), this);
    place(PushButton6, 120, 120, 7800, 405);
    place(PushButton3, 120, 630, 3840, 405);
    place(PushButton4, 4080, 630, 3840, 405);

    Frame1 = new Frame(tr("Your Information"), this);
    Frame2 = new Frame(tr("Recipient Information"), this);
    place(Frame1, 120, 1110, 7800, 1725);
    place(Frame2, 120, 2910, 7800, 2625);

    for (PushButton *button : {PushButton6, PushButton3, PushButton4}) {
        button->setFont(buttonFont());
        connect(button, &PushButton::mouseMoved, this, [this] { m_pointer.overButton(); });
    }
    for (Frame *frame : {Frame1, Frame2}) {
        frame->setFont(controlFont());
        setBackground(frame, Qt::white);
        connect(frame, &Frame::mouseMoved, this, [this] { m_pointer.overBackground(); });
    }

    for (const Row &row : Rows) {
        QWidget *container = row.frame == 1 ? Frame1 : Frame2;
        auto *label = new QLabel(tr(row.caption), container);
        label->setFont(controlFont());
        label->setAttribute(Qt::WA_NoMousePropagation);
        setBackground(label, Qt::white);
        place(label, row.labelLeft, row.fieldTop + LabelDrop, row.labelWidth, LabelHeight);
        // Bold Liberation Sans runs a little wider than the design's font:
        // let a caption reach to its full width rather than clip it.
        label->resize(std::max(label->width(), label->sizeHint().width()), label->height());
        Label2[size_t(row.label)] = label;

        auto *field = new LetterFieldEdit(container);
        place(field, row.fieldLeft, row.fieldTop, row.fieldWidth, FieldHeight);
        Text1[size_t(row.field)] = field;
    }
    // The date field lies below the client area, out of sight.
    Text1[DateFieldIndex] = new LetterFieldEdit(this);
    place(Text1[DateFieldIndex], 120, 7320, 1335, 345);

    for (int i = 0; i < FieldCount; ++i) {
        Text1[size_t(i)]->setFont(controlFont());
        Text1[size_t(i)]->setProperty("placeholderTag", QString::fromLatin1(LetterFields[size_t(i)].placeholder));
        connect(Text1[size_t(i)], &QLineEdit::textChanged, this, [this, i] { storeField(i); });
    }

    // Tab order: the five sender fields, the seven recipient fields, the
    // three commands, the date field.
    QList<QWidget *> order;
    for (const Row &row : Rows)
        order << Text1[size_t(row.field)];
    order << PushButton6 << PushButton3 << PushButton4 << Text1[DateFieldIndex];
    for (qsizetype i = 1; i < order.size(); ++i)
        setTabOrder(order[i - 1], order[i]);

    connect(PushButton6, &QPushButton::clicked, this, &Form1::PushButton6_Click);
    connect(PushButton3, &QPushButton::clicked, this, &Form1::PushButton3_Click);
    connect(PushButton4, &QPushButton::clicked, this, &Form1::PushButton4_Click);
}

void Form1::storeField(int index)
{
    try {
        m_services.store.write(index, Text1[size_t(index)]->text());
    } catch (const std::exception &e) {
        // Typing goes on; the user learns once that entries are not kept.
        if (!m_storeFailureShown) {
            m_storeFailureShown = true;
            m_services.messenger.showMessage(
                    tr("%1\n\nYou can go on working, but your entries will not be remembered "
                       "for the next start.").arg(QString::fromUtf8(e.what())),
                    QString(), Messenger::Icon::Warning);
        }
    }
}

Form1::LoadResult Form1::Form_Load()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_Form_Load));
    bool officeAvailable = true;

    trap.step(100, [&] { ApplySkin(); });
    trap.step(102, [&] { setWindowTitle(QString::fromLatin1(ProductName)); });
    trap.step(104, [&] { setWindowIcon(applicationIcon()); });
    trap.step(106, [&] { SetAppTitle(); });
    const QString cursorPath = m_programFolder + QStringLiteral("/HAND-M.CUR");
    if (trap.test(108, [&] { return FileExists(cursorPath); }))
        trap.step(110, [&] { m_pointer.setMouseIcon(loadCursorFile(cursorPath)); });
    for (int i = 0; i < FieldCount; ++i)
        trap.step(112, [&] { Text1[size_t(i)]->setText(m_services.store.read(i)); });
    trap.step(114, [&] { officeAvailable = CheckWordInstalled(m_services.automation, m_services.messenger); });

    return officeAvailable ? LoadResult::ShowWindow : LoadResult::EndProgram;
}

void Form1::ApplySkin()
{
    const QString skinPath = m_programFolder + QStringLiteral("/x/o.cjs");
    if (!QFileInfo(skinPath).isFile())
        return; // no skin: the window keeps its white design

    // The window, its frames and labels take the button face (it has no
    // picture boxes, the one kind the skin recolours beyond these).
    ApplyButtonFaceColors(this);

    SkinFramework &skin = *SkinFramework1;
    skin.invoke(SkinFramework::LoadSkin, {skinPath, QString()});
    skin.setProperty(SkinFramework::Options, skin.property(SkinFramework::Options).toInt() | 1);
    skin.setProperty(SkinFramework::Enabled, true);
    skin.setProperty(SkinFramework::LockAfterApply, true);
    skin.invoke(SkinFramework::ApplyWindow, {qlonglong(winId())});
}

void Form1::PushButton3_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_PushButton3_Click));
    for (int i = 0; i < VisibleFieldCount; ++i)
        trap.step(102, [&] { Text1[size_t(i)]->setText(QString()); });
}

void Form1::PushButton4_Click()
{
    ErrorTrap trap(m_services.messenger, QString::fromLatin1(ReportLocation::Form1_PushButton4_Click));
    int line = 100;
    for (int index : SampleOrder) {
        line += 2;
        trap.step(line, [&] {
            Text1[size_t(index)]->setText(QString::fromUtf8(LetterFields[size_t(index)].sampleValue));
        });
    }
}

void Form1::PushButton6_Click()
{
    GenerateLetter(*this, m_services.automation, m_services.messenger, mBusy);
}

void Form1::SaveDocAsJPG(const QString &inFile)
{
    ::SaveDocAsJPG(m_services.automation, m_services.clipboard, m_services.messenger, inFile,
                   ScratchFiles::temporaryFolder());
}

Form2 &Form1::form2()
{
    if (!m_form2) {
        m_form2 = std::make_unique<Form2>(
                m_services.messenger, [this] { show(); raise(); activateWindow(); },
                [this] { m_endProgram(); });
        m_form2->setProgramFolder(m_programFolder);
        m_form2->Form_Load();
    }
    return *m_form2;
}

QString Form1::fieldText(int index) const
{
    return Text1[size_t(index)]->text();
}

void Form1::setFieldText(int index, const QString &text)
{
    Text1[size_t(index)]->setText(text);
}

void Form1::setBusyPointer(bool busy)
{
    m_pointer.setCode(busy ? WindowPointer::Busy : WindowPointer::Default);
}

void Form1::saveDocAsJpg(const QString &document)
{
    SaveDocAsJPG(document);
}

void Form1::loadPreviewPicture(const QString &bitmapPath)
{
    Form2 &preview = form2();
    const QImage picture(bitmapPath);
    if (picture.isNull())
        throw Failure(tr("Cannot load the page picture %1").arg(QDir::toNativeSeparators(bitmapPath)));
    preview.setPicture(picture);
}

void Form1::setPreviewWordFile(const QString &path)
{
    form2().mWordFile = path;
}

void Form1::showPreview()
{
    form2().showPreview();
}

void Form1::hideMainWindow()
{
    hide();
}

void Form1::mouseMoveEvent(QMouseEvent *event)
{
    m_pointer.overBackground();
    QWidget::mouseMoveEvent(event);
}

void Form1::closeEvent(QCloseEvent *event)
{
    // Closing the main window ends the whole program at once.
    event->accept();
    QCoreApplication::quit();
}
