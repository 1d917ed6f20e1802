#include "DocumentReader.h"

#include <algorithm>
#include <cmath>
#include <csignal>

#include <QDir>
#include <QDeadlineTimer>
#include <QFile>
#include <QRegularExpression>
#include <QThread>

#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/container/XContentEnumerationAccess.hpp>
#include <com/sun/star/container/XEnumeration.hpp>
#include <com/sun/star/container/XEnumerationAccess.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/XDocumentProperties.hpp>
#include <com/sun/star/document/XDocumentPropertiesSupplier.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XModel.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XServiceInfo.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XEndnotesSupplier.hpp>
#include <com/sun/star/text/XFootnotesSupplier.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/text/XTextField.hpp>
#include <com/sun/star/text/XTextFrame.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/text/XTextTable.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "Failure.h"
#include "OfficeConnection.h"
#include "RunProgram.h"

namespace css = com::sun::star;
using css::uno::Reference;
using css::uno::UNO_QUERY;
using css::uno::UNO_QUERY_THROW;
using rtl::OUString;

namespace {
int twips(sal_Int32 hundredthMm)
{
    return int(std::lround(hundredthMm * 1440.0 / 2540.0));
}

template<typename T> T prop(const Reference<css::beans::XPropertySet> &p, const char *name)
{
    return p->getPropertyValue(OUString::createFromAscii(name)).get<T>();
}

bool has(const Reference<css::beans::XPropertySet> &p, const char *name)
{
    return p->getPropertySetInfo()->hasPropertyByName(OUString::createFromAscii(name));
}

// A flag that may be missing or void (as in documents imported from RTF).
bool flag(const Reference<css::beans::XPropertySet> &p, const char *name)
{
    if (!has(p, name))
        return false;
    const css::uno::Any value = p->getPropertyValue(OUString::createFromAscii(name));
    return value.hasValue() && value.get<bool>();
}

QString textOf(const Reference<css::beans::XPropertySet> &p, const char *name)
{
    if (!has(p, name))
        return {};
    Reference<css::text::XText> t(p->getPropertyValue(OUString::createFromAscii(name)), UNO_QUERY);
    return t.is() ? toQString(t->getString()) : QString();
}
QDateTime dateTime(const css::util::DateTime &d)
{
    return QDateTime(QDate(d.Year, d.Month, d.Day), QTime(d.Hours, d.Minutes, d.Seconds),
                     d.IsUTC ? Qt::UTC : Qt::LocalTime);
}

css::beans::PropertyValue value(const char *name, const css::uno::Any &v)
{
    css::beans::PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = v;
    return p;
}
std::vector<QSize> picturesIn(const Reference<css::uno::XInterface> &paragraph)
{
    std::vector<QSize> pictures;
    Reference<css::container::XEnumerationAccess> portions(paragraph, UNO_QUERY);
    if (!portions.is())
        return pictures;
    Reference<css::container::XEnumeration> it = portions->createEnumeration();
    while (it->hasMoreElements()) {
        Reference<css::beans::XPropertySet> portion(it->nextElement(), UNO_QUERY);
        if (!portion.is() || prop<OUString>(portion, "TextPortionType") != "Frame")
            continue;
        Reference<css::container::XContentEnumerationAccess> contents(portion, UNO_QUERY);
        if (!contents.is())
            continue;
        Reference<css::container::XEnumeration> objects
                = contents->createContentEnumeration("com.sun.star.text.TextContent");
        while (objects->hasMoreElements()) {
            Reference<css::lang::XServiceInfo> object(objects->nextElement(), UNO_QUERY);
            if (!object.is() || !object->supportsService("com.sun.star.text.TextGraphicObject"))
                continue;
            Reference<css::beans::XPropertySet> size(object, UNO_QUERY_THROW);
            pictures.emplace_back(prop<sal_Int32>(size, "Width"), prop<sal_Int32>(size, "Height"));
        }
    }
    return pictures;
}

// A paragraph's text with bold, underlined and field portions marked,
// neighbours of the same marks joined (the office may split them anywhere).
QString markedText(const Reference<css::uno::XInterface> &paragraph)
{
    Reference<css::container::XEnumerationAccess> portions(paragraph, UNO_QUERY);
    if (!portions.is())
        return {};
    QString marked, run, runMarks;
    auto flush = [&] {
        if (run.isEmpty())
            return;
        const bool bold = runMarks.contains(u'b'), underlined = runMarks.contains(u'u');
        marked += (bold ? QStringLiteral("<b>") : QString()) + (underlined ? QStringLiteral("<u>") : QString()) + run
                + (underlined ? QStringLiteral("</u>") : QString()) + (bold ? QStringLiteral("</b>") : QString());
        run.clear();
    };
    Reference<css::container::XEnumeration> it = portions->createEnumeration();
    while (it->hasMoreElements()) {
        Reference<css::beans::XPropertySet> portion(it->nextElement(), UNO_QUERY);
        Reference<css::text::XTextRange> range(portion, UNO_QUERY);
        if (!portion.is() || !range.is())
            continue;
        if (prop<OUString>(portion, "TextPortionType") == "TextField") {
            flush();
            marked += QStringLiteral("{field}");
            continue;
        }
        QString marks;
        if (prop<float>(portion, "CharWeight") > 100.0f)
            marks += u'b';
        if (prop<sal_Int16>(portion, "CharUnderline") != 0)
            marks += u'u';
        if (marks != runMarks)
            flush();
        runMarks = marks;
        run += toQString(range->getString());
    }
    flush();
    return marked;
}
} // namespace

QString DocumentReader::Document::everyText() const
{
    QStringList texts{bodyText()};
    texts << tableCellTexts << firstPageHeader << primaryHeader << primaryFooter << frameTexts << shapeTexts;
    return texts.join(QLatin1Char('\n'));
}

QSize DocumentReader::Document::pageSizeMm() const
{
    constexpr double TwipsPerMm = 1440.0 / 25.4;
    return {int(std::lround(pageWidth / TwipsPerMm)), int(std::lround(pageHeight / TwipsPerMm))};
}

std::vector<QSize> pdfPageSizes(const QString &pdf)
{
    const ProgramRun pdfinfo = runProgram(
            QStringLiteral("pdfinfo"),
            {QStringLiteral("-f"), QStringLiteral("1"), QStringLiteral("-l"), QStringLiteral("1000"), pdf});
    std::vector<QSize> sizes;
    static const QRegularExpression pageSize(QStringLiteral("^Page +\\d+ size: +([\\d.]+) x ([\\d.]+) pts"),
                                             QRegularExpression::MultilineOption);
    for (const QRegularExpressionMatch &match : pageSize.globalMatch(pdfinfo.out))
        sizes.emplace_back(int(std::lround(match.captured(1).toDouble())),
                           int(std::lround(match.captured(2).toDouble())));
    return sizes;
}

QString DocumentReader::Document::bodyText() const
{
    QStringList lines;
    for (const Paragraph &p : paragraphs)
        lines << p.text;
    return lines.join(QLatin1Char('\n'));
}

DocumentReader::DocumentReader() : m_office(OfficeConnection::start(60000)) { }

DocumentReader::~DocumentReader() = default;

qint64 DocumentReader::officeProcessId() const
{
    return m_office->process().processId();
}

DocumentReader::Document DocumentReader::read(const QString &path)
{
    Document result;
    try {
        css::beans::PropertyValue hidden;
        hidden.Name = "Hidden";
        hidden.Value <<= true;
        css::beans::PropertyValue macros;
        macros.Name = "MacroExecutionMode";
        macros.Value <<= sal_Int16(css::document::MacroExecMode::NEVER_EXECUTE);
        css::beans::PropertyValue readOnly;
        readOnly.Name = "ReadOnly";
        readOnly.Value <<= true;
        css::beans::PropertyValue args[] = {hidden, macros, readOnly};
        Reference<css::lang::XComponent> component = m_office->desktop()->loadComponentFromURL(
                fileUrl(*m_office, path), "_blank", 0, css::uno::Sequence<css::beans::PropertyValue>(args, 3));
        if (!component.is())
            throw Failure(QStringLiteral("The office cannot read %1").arg(path));

        Reference<css::frame::XModel> model(component, UNO_QUERY_THROW);
        for (const auto &arg : model->getArgs()) {
            if (arg.Name == "FilterName")
                result.filterName = toQString(arg.Value.get<OUString>());
        }

        Reference<css::document::XDocumentProperties> properties
                = Reference<css::document::XDocumentPropertiesSupplier>(component, UNO_QUERY_THROW)
                          ->getDocumentProperties();
        result.author = toQString(properties->getAuthor());
        result.modifiedBy = toQString(properties->getModifiedBy());
        result.title = toQString(properties->getTitle());
        result.created = dateTime(properties->getCreationDate());
        result.modified = dateTime(properties->getModificationDate());

        Reference<css::text::XTextDocument> document(component, UNO_QUERY_THROW);
        Reference<css::container::XEnumerationAccess> body(document->getText(), UNO_QUERY_THROW);
        Reference<css::container::XEnumeration> it = body->createEnumeration();
        while (it->hasMoreElements()) {
            Reference<css::lang::XServiceInfo> info(it->nextElement(), UNO_QUERY_THROW);
            if (Reference<css::text::XTextTable> table{info, UNO_QUERY}; table.is()) {
                for (const OUString &cell : table->getCellNames())
                    result.tableCellTexts << toQString(
                            Reference<css::text::XText>(table->getCellByName(cell), UNO_QUERY_THROW)->getString());
                continue;
            }
            if (!info->supportsService("com.sun.star.text.Paragraph"))
                continue;
            Reference<css::text::XTextRange> range(info, UNO_QUERY_THROW);
            Reference<css::beans::XPropertySet> props(info, UNO_QUERY_THROW);
            Paragraph p;
            p.text = toQString(range->getString());
            p.style = toQString(prop<OUString>(props, "ParaStyleName"));
            p.inList = flag(props, "NumberingIsNumber");
            OUString listStyle;
            if (p.inList && has(props, "NumberingStyleName")
                && (props->getPropertyValue("NumberingStyleName") >>= listStyle))
                p.listStyle = toQString(listStyle);
            p.marked = markedText(info);
            p.pictures = picturesIn(info);
            result.paragraphs.push_back(p);
        }

        Reference<css::style::XStyleFamiliesSupplier> families(component, UNO_QUERY_THROW);
        Reference<css::container::XNameAccess> pageStyles(families->getStyleFamilies()->getByName("PageStyles"),
                                                          UNO_QUERY_THROW);
        Reference<css::container::XNameAccess> paraStyles(families->getStyleFamilies()->getByName("ParagraphStyles"),
                                                          UNO_QUERY_THROW);
        for (const OUString &name : paraStyles->getElementNames()) {
            Reference<css::beans::XPropertySet> s(paraStyles->getByName(name), UNO_QUERY_THROW);
            result.paragraphStyles << toQString(name) << toQString(prop<OUString>(s, "DisplayName"));
        }

        Reference<css::text::XTextCursor> cursor = document->getText()->createTextCursor();
        const OUString firstName
                = prop<OUString>(Reference<css::beans::XPropertySet>(cursor, UNO_QUERY_THROW), "PageStyleName");
        result.firstPageStyle = toQString(firstName);
        Reference<css::beans::XPropertySet> first(pageStyles->getByName(firstName), UNO_QUERY_THROW);
        const OUString followName = prop<OUString>(first, "FollowStyle");
        result.firstPageHasOwnStyle = followName != firstName;
        Reference<css::beans::XPropertySet> primary(pageStyles->getByName(followName), UNO_QUERY_THROW);
        if (result.firstPageHasOwnStyle) {
            result.firstPageHeader = flag(first, "HeaderIsOn") ? textOf(first, "HeaderText") : QString();
        } else if (has(first, "FirstIsShared") && !flag(first, "FirstIsShared")) {
            result.firstPageHeader = textOf(first, "HeaderTextFirst");
        }
        result.primaryHeader = flag(primary, "HeaderIsOn") ? textOf(primary, "HeaderText") : QString();
        result.primaryFooter = flag(primary, "FooterIsOn") ? textOf(primary, "FooterText") : QString();
        if (flag(primary, "HeaderIsOn")) {
            Reference<css::container::XEnumerationAccess> header(primary->getPropertyValue("HeaderText"),
                                                                 UNO_QUERY_THROW);
            Reference<css::container::XEnumeration> paras = header->createEnumeration();
            while (paras->hasMoreElements()) {
                Reference<css::container::XEnumerationAccess> portions(paras->nextElement(), UNO_QUERY);
                if (!portions.is())
                    continue;
                Reference<css::container::XEnumeration> pit = portions->createEnumeration();
                while (pit->hasMoreElements()) {
                    Reference<css::beans::XPropertySet> portion(pit->nextElement(), UNO_QUERY_THROW);
                    if (prop<OUString>(portion, "TextPortionType") != "TextField")
                        continue;
                    Reference<css::text::XTextField> field(portion->getPropertyValue("TextField"), UNO_QUERY_THROW);
                    Reference<css::lang::XServiceInfo> fieldInfo(field, UNO_QUERY_THROW);
                    const auto names = fieldInfo->getSupportedServiceNames();
                    result.headerFields << (names.getLength() ? toQString(names[names.getLength() - 1]) : QString());
                    result.headerFieldCommands << toQString(field->getPresentation(true));
                }
            }
        }
        result.pageWidth = twips(prop<sal_Int32>(first, "Width"));
        result.pageHeight = twips(prop<sal_Int32>(first, "Height"));
        result.leftMargin = twips(prop<sal_Int32>(first, "LeftMargin"));
        result.rightMargin = twips(prop<sal_Int32>(first, "RightMargin"));
        sal_Int32 top = prop<sal_Int32>(first, "TopMargin");
        if (flag(first, "HeaderIsOn"))
            top += prop<sal_Int32>(first, "HeaderHeight"); // includes the body distance
        result.bodyTop = twips(top);

#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
        Reference<css::container::XIndexAccess> page(
                Reference<css::drawing::XDrawPageSupplier>(component, UNO_QUERY_THROW)->getDrawPage(), UNO_QUERY_THROW);
#pragma GCC diagnostic pop
        result.shapeCount = page->getCount();
        for (sal_Int32 i = 0; i < page->getCount(); ++i) {
            Reference<css::text::XText> text(page->getByIndex(i), UNO_QUERY);
            const QString content = text.is() ? toQString(text->getString()) : QString();
            if (Reference<css::text::XTextFrame>(page->getByIndex(i), UNO_QUERY).is())
                result.frameTexts << content;
            else
                result.shapeTexts << content;
        }
        Reference<css::container::XIndexAccess> notes
                = Reference<css::text::XFootnotesSupplier>(component, UNO_QUERY_THROW)->getFootnotes();
        for (sal_Int32 i = 0; i < notes->getCount(); ++i)
            result.footnoteTexts << toQString(
                    Reference<css::text::XText>(notes->getByIndex(i), UNO_QUERY_THROW)->getString());
        result.endnoteCount
                = Reference<css::text::XEndnotesSupplier>(component, UNO_QUERY_THROW)->getEndnotes()->getCount();

        Reference<css::util::XCloseable>(component, UNO_QUERY_THROW)->close(true);
    } catch (const css::uno::Exception &e) {
        throw Failure(QStringLiteral("Reading %1 failed: %2").arg(path, toQString(e.Message)));
    }
    return result;
}

void DocumentReader::writeProtectedCopy(const QString &source, const QString &target, const QString &filterName,
                                        const QString &password)
{
    try {
        css::beans::PropertyValue args[] = {value("Hidden", css::uno::Any(true))};
        Reference<css::lang::XComponent> component = m_office->desktop()->loadComponentFromURL(
                fileUrl(*m_office, source), "_blank", 0, css::uno::Sequence<css::beans::PropertyValue>(args, 1));
        if (!component.is())
            throw Failure(QStringLiteral("The office cannot read %1").arg(source));
        css::beans::PropertyValue store[]
                = {value("FilterName", css::uno::Any(toOUString(filterName))),
                   value("Password", css::uno::Any(toOUString(password))), value("Overwrite", css::uno::Any(true))};
        Reference<css::frame::XStorable>(component, UNO_QUERY_THROW)
                ->storeToURL(fileUrl(*m_office, target), css::uno::Sequence<css::beans::PropertyValue>(store, 3));
        Reference<css::util::XCloseable>(component, UNO_QUERY_THROW)->close(true);
    } catch (const css::uno::Exception &e) {
        throw Failure(QStringLiteral("Protecting %1 failed: %2").arg(source, toQString(e.Message)));
    }
}

std::vector<qint64> childProcesses(qint64 parent, const QString &programName)
{
    struct Process
    {
        qint64 pid, parent;
        QString name;
    };
    std::vector<Process> processes;
    const QStringList entries = QDir(QStringLiteral("/proc")).entryList(QDir::Dirs);
    for (const QString &entry : entries) {
        bool numeric = false;
        const qint64 pid = entry.toLongLong(&numeric);
        if (!numeric)
            continue;
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
        if (!stat.open(QIODevice::ReadOnly))
            continue;
        const QByteArray line = stat.readAll();
        // pid (comm) state ppid ...
        const int close = line.lastIndexOf(')');
        const QByteArray comm = line.mid(line.indexOf('(') + 1, close - line.indexOf('(') - 1);
        const QList<QByteArray> fields = line.mid(close + 2).split(' ');
        if (fields.size() < 2 || fields[0] == "Z")
            continue;
        processes.push_back({pid, fields[1].toLongLong(), QString::fromLocal8Bit(comm)});
    }
    // An office in its jail is below the jail (bwrap) that the parent
    // started, and the jail's first process in its own pid namespace.
    std::vector<qint64> parents{parent};
    for (std::size_t i = 0; i < parents.size(); ++i)
        for (const Process &p : processes)
            if (p.parent == parents[i] && p.name == u"bwrap")
                parents.push_back(p.pid);
    std::vector<qint64> result;
    for (const Process &p : processes) {
        if (std::find(parents.begin(), parents.end(), p.parent) != parents.end()
            && p.name.startsWith(programName.left(15)))
            result.push_back(p.pid);
    }
    return result;
}

namespace {
// The state letter of a /proc stat file ("pid (comm) state ..."), or 0
// when the process or thread has gone.
char processState(const QString &statPath)
{
    QFile stat(statPath);
    if (!stat.open(QIODevice::ReadOnly))
        return 0;
    const QByteArray line = stat.readAll();
    const int state = line.lastIndexOf(')') + 2;
    return state < line.size() ? line.at(state) : 0;
}
} // namespace

bool processIsAlive(qint64 pid)
{
    const char state = processState(QStringLiteral("/proc/%1/stat").arg(pid));
    return state != 0 && state != 'Z';
}

bool stopProcess(qint64 pid)
{
    if (::kill(pid_t(pid), SIGSTOP) != 0)
        return false;
    const auto allStopped = [pid] {
        const QDir tasks(QStringLiteral("/proc/%1/task").arg(pid));
        const QStringList threads = tasks.entryList(QDir::Dirs | QDir::NoDotAndDotDot);
        for (const QString &thread : threads) {
            const char state = processState(tasks.filePath(thread) + QStringLiteral("/stat"));
            if (state != 0 && state != 'T' && state != 't') // 0: ended meanwhile
                return false;
        }
        return !threads.isEmpty();
    };
    QDeadlineTimer deadline(5000);
    while (!allStopped()) {
        if (deadline.hasExpired())
            return false;
        QThread::msleep(1);
    }
    return true;
}
