#include "MailMergePeer.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFileInfo>

#include <com/sun/star/beans/NamedValue.hpp>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/lang/XMultiServiceFactory.hpp>
#include <com/sun/star/lang/XSingleServiceFactory.hpp>
#include <com/sun/star/sdb/CommandType.hpp>
#include <com/sun/star/sdb/XDocumentDataSource.hpp>
#include <com/sun/star/task/XJob.hpp>
#include <com/sun/star/text/MailMergeType.hpp>
#include <com/sun/star/text/XDependentTextField.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextContent.hpp>
#include <com/sun/star/text/XTextRange.hpp>
#include <com/sun/star/uno/XComponentContext.hpp>
#include <com/sun/star/uno/XNamingService.hpp>
#include <com/sun/star/util/XCloseable.hpp>
#include <com/sun/star/util/XReplaceable.hpp>
#include <com/sun/star/util/XSearchDescriptor.hpp>

#include "Failure.h"
#include "OfficeJail.h"
#include "LetterFields.h"
#include "OfficeConnection.h"
#include "UnoHelpers.h"

using namespace com::sun::star;
using rtl::OUString;
using uno::Reference;
using uno::UNO_QUERY_THROW;

namespace {
constexpr int ConnectTimeoutMs = 60000;
constexpr int QuitTimeoutMs = 10000;

using libreoffice::properties;
using libreoffice::property;

Reference<uno::XInterface> create(const Reference<uno::XComponentContext> &context, const char *service)
{
    return context->getServiceManager()->createInstanceWithContext(OUString::createFromAscii(service), context);
}

// Registers the list's folder as a flat-file data source; its table is
// the file's name without ".csv".
void registerList(const Reference<uno::XComponentContext> &context, const QString &list, const OUString &name,
                  const QString &work)
{
    Reference<lang::XSingleServiceFactory> databases(create(context, "com.sun.star.sdb.DatabaseContext"),
                                                     UNO_QUERY_THROW);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    Reference<beans::XPropertySet> source(databases->createInstance(), UNO_QUERY_THROW);
#pragma GCC diagnostic pop
    source->setPropertyValue("URL", uno::Any("sdbc:flat:" + plainFileUrl(QFileInfo(list).absolutePath())));
    const uno::Sequence<beans::PropertyValue> info = properties(
            {property("Extension", uno::Any(OUString("csv"))), property("HeaderLine", uno::Any(true)),
             property("FieldDelimiter", uno::Any(OUString(","))), property("StringDelimiter", uno::Any(OUString("\""))),
             property("CharSet", uno::Any(OUString("UTF-8")))});
    source->setPropertyValue("Info", uno::Any(info));
    Reference<sdb::XDocumentDataSource> document(source, UNO_QUERY_THROW);
    Reference<frame::XStorable>(document->getDatabaseDocument(), UNO_QUERY_THROW)
            ->storeAsURL(plainFileUrl(work + QStringLiteral("/list.odb")), {});
    Reference<uno::XNamingService> naming(databases, UNO_QUERY_THROW);
    naming->registerObject(name, source);
}

// The template with each placeholder replaced by a database field of the
// column of that name, stored as the merge's document.
void makeMergeDocument(const Reference<frame::XDesktop2> &desktop, const QString &letterTemplate,
                       const OUString &source, const OUString &table, const QString &target)
{
    Reference<lang::XComponent> model = desktop->loadComponentFromURL(plainFileUrl(letterTemplate), "_blank", 0,
                                                                      properties({property("Hidden", uno::Any(true))}));
    Reference<lang::XMultiServiceFactory> factory(model, UNO_QUERY_THROW);
    Reference<util::XReplaceable> replaceable(model, UNO_QUERY_THROW);
    // Every placeholder is found first: a search in a paragraph that
    // already holds a database field misses the placeholders after it.
    std::vector<std::pair<Reference<text::XTextRange>, OUString>> hits;
    for (const LetterField &field : LetterFields) {
        const QString placeholder = QString::fromLatin1(field.placeholder);
        Reference<util::XSearchDescriptor> search = replaceable->createSearchDescriptor();
        search->setSearchString(toOUString(placeholder));
        Reference<container::XIndexAccess> found = replaceable->findAll(search);
        for (sal_Int32 i = 0; found.is() && i < found->getCount(); ++i)
            hits.emplace_back(Reference<text::XTextRange>(found->getByIndex(i), UNO_QUERY_THROW),
                              toOUString(placeholder.mid(1, placeholder.size() - 2)));
    }
    for (const auto &[hit, column] : hits) {
        Reference<beans::XPropertySet> master(factory->createInstance("com.sun.star.text.FieldMaster.Database"),
                                              UNO_QUERY_THROW);
        master->setPropertyValue("DataBaseName", uno::Any(source));
        master->setPropertyValue("DataTableName", uno::Any(table));
        master->setPropertyValue("DataColumnName", uno::Any(column));
        master->setPropertyValue("DataCommandType", uno::Any(sdb::CommandType::TABLE));
        Reference<text::XDependentTextField> dbField(factory->createInstance("com.sun.star.text.TextField.Database"),
                                                     UNO_QUERY_THROW);
        dbField->attachTextFieldMaster(master);
        hit->getText()->insertTextContent(hit, Reference<text::XTextContent>(dbField, UNO_QUERY_THROW), true);
    }
    Reference<frame::XStorable>(model, UNO_QUERY_THROW)
            ->storeToURL(plainFileUrl(target), properties({property("FilterName", uno::Any(OUString("writer8")))}));
    Reference<util::XCloseable>(model, UNO_QUERY_THROW)->close(true);
}
} // namespace

MailMergeRun runMailMerge(const QString &list, const QString &letterTemplate, const QString &outDir, bool openDocument)
{
    MailMergeRun run;
    QElapsedTimer whole;
    whole.start();
    const char *phase = "starting the office";
    try {
        // The merge's office reads the list and template and writes the
        // letters in the bench's own folder, which its jail must share.
        OfficeJail::shareWithOffices({QFileInfo(outDir).absolutePath()});
        std::unique_ptr<OfficeConnection> office = OfficeConnection::start(ConnectTimeoutMs);
        OfficeJail::shareWithOffices({});
        run.officeStartMs = whole.nsecsElapsed() / 1e6;
        const Reference<frame::XDesktop2> desktop = office->desktop();
        const Reference<uno::XComponentContext> context = office->context();
        const OUString source = "TessalineBenchList";
        const OUString table = toOUString(QFileInfo(list).completeBaseName());
        const QString work = QFileInfo(outDir).absolutePath();
        phase = "registering the list";
        registerList(context, list, source, work);
        phase = "making the merge document";
        const QString mergeDocument = work + QStringLiteral("/merge.odt");
        makeMergeDocument(desktop, letterTemplate, source, table, mergeDocument);

        phase = "merging";
        QElapsedTimer merge;
        merge.start();
        Reference<beans::XPropertySet> mailMerge(create(context, "com.sun.star.text.MailMerge"), UNO_QUERY_THROW);
        mailMerge->setPropertyValue("DataSourceName", uno::Any(source));
        mailMerge->setPropertyValue("CommandType", uno::Any(sdb::CommandType::TABLE));
        mailMerge->setPropertyValue("Command", uno::Any(table));
        mailMerge->setPropertyValue("DocumentURL", uno::Any(plainFileUrl(mergeDocument)));
        mailMerge->setPropertyValue("OutputType", uno::Any(text::MailMergeType::FILE));
        mailMerge->setPropertyValue("OutputURL", uno::Any(plainFileUrl(outDir)));
        mailMerge->setPropertyValue("SaveAsSingleFile", uno::Any(false));
        mailMerge->setPropertyValue("SaveFilter",
                                    uno::Any(openDocument ? OUString("writer8") : OUString("MS Word 97")));
        mailMerge->setPropertyValue("FileNamePrefix", uno::Any(OUString("letter")));
        Reference<task::XJob>(mailMerge, UNO_QUERY_THROW)->execute({});
        run.mergeMs = merge.nsecsElapsed() / 1e6;
        run.lastLetterMs = whole.nsecsElapsed() / 1e6;
        // LibreOffice 7.4 aborts as it ends after a merge to files (its
        // "Fatal exception: Signal 6" on this program's error output); the
        // whole job lasts until the process has gone either way.
        office->terminate(QuitTimeoutMs);
    } catch (const uno::Exception &e) {
        run.failure = QString::fromLatin1(phase) + QStringLiteral(": ") + toQString(e.Message);
    } catch (const Failure &failure) {
        run.failure = QString::fromLatin1(phase) + QStringLiteral(": ") + failure.description();
    }
    run.wholeJobMs = whole.nsecsElapsed() / 1e6;
    run.lettersWritten
            = int(QDir(outDir)
                          .entryList({openDocument ? QStringLiteral("*.odt") : QStringLiteral("*.doc")}, QDir::Files)
                          .size());
    return run;
}
