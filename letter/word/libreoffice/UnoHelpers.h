#pragma once

// Small helpers of the LibreOffice backend: property lists, page styles,
// and the boundary where UNO exceptions become Failures with the office's
// own message. Internal to letter/word.

#include <initializer_list>

#include <QObject>
#include <QString>

#include <rtl/ustring.hxx>
#include <com/sun/star/beans/PropertyValue.hpp>
#include <com/sun/star/beans/XPropertySet.hpp>
#include <com/sun/star/beans/XPropertySetInfo.hpp>
#include <com/sun/star/container/XIndexAccess.hpp>
#include <com/sun/star/container/XNameAccess.hpp>
#include <com/sun/star/drawing/XDrawPageSupplier.hpp>
#include <com/sun/star/drawing/XShape.hpp>
#include <com/sun/star/frame/XStorable.hpp>
#include <com/sun/star/lang/DisposedException.hpp>
#include <com/sun/star/lang/XComponent.hpp>
#include <com/sun/star/style/XStyleFamiliesSupplier.hpp>
#include <com/sun/star/text/XText.hpp>
#include <com/sun/star/text/XTextCursor.hpp>
#include <com/sun/star/text/XTextDocument.hpp>
#include <com/sun/star/util/XCloseable.hpp>

#include "Failure.h"
#include "Logging.h"
#include "OfficeConnection.h"
#include "OfficeDeadline.h"

namespace libreoffice {

namespace uno = com::sun::star::uno;
namespace beans = com::sun::star::beans;
namespace container = com::sun::star::container;
namespace frame = com::sun::star::frame;
namespace lang = com::sun::star::lang;
namespace text = com::sun::star::text;
namespace util = com::sun::star::util;
namespace drawing = com::sun::star::drawing;
namespace style = com::sun::star::style;
using rtl::OUString;
using uno::Reference;
using uno::UNO_QUERY;
using uno::UNO_QUERY_THROW;

inline beans::PropertyValue property(const char *name, const uno::Any &value)
{
    beans::PropertyValue p;
    p.Name = OUString::createFromAscii(name);
    p.Value = value;
    return p;
}

inline uno::Sequence<beans::PropertyValue> properties(std::initializer_list<beans::PropertyValue> list)
{
    return uno::Sequence<beans::PropertyValue>(list.begin(), sal_Int32(list.size()));
}

// The Failure for a call into the office that threw: a hung office that
// the deadline stopped and an office that went away (its connection is
// disposed) are lost to the whole operation; anything else fails the call
// alone, with the office's message. Safe on any thread: it asks nothing of
// the office process.
enum class OfficeGone { No, Yes };
inline Failure officeFailure(const OfficeDeadline &deadline, const QString &what, const uno::Exception *error,
                             OfficeGone gone = OfficeGone::No)
{
    qCWarning(lcOffice) << what << "failed:" << (error ? toQString(error->Message) : QString())
                        << (deadline.expired()                ? "(deadline passed: killed)"
                                    : gone == OfficeGone::Yes ? "(office gone)"
                                                              : "");
    // The user reads what happened; the call's name is for the log above.
    if (deadline.expired())
        return Failure(QObject::tr("The office did not answer within %1 seconds and has been stopped")
                               .arg(deadline.timeoutMs() / 1000.0),
                       Failure::Kind::OfficeLost);
    if (gone == OfficeGone::Yes)
        return Failure(QObject::tr("The office is no longer running"), Failure::Kind::OfficeLost);
    const QString reason
            = !error || error->Message.isEmpty() ? QObject::tr("it gave no reason") : toQString(error->Message);
    return Failure(QObject::tr("The office could not go on: %1").arg(reason));
}

// Runs one call into the office under the call deadline and turns a UNO
// exception into a Failure that carries the office's own message.
template<typename Call> auto officeCall(OfficeConnection &office, const QString &what, Call &&call) -> decltype(call())
{
    const OfficeDeadline deadline(office.process().processId(), office.process().callDeadlineMs());
    try {
        return call();
    } catch (const lang::DisposedException &e) {
        throw officeFailure(deadline, what, &e, OfficeGone::Yes);
    } catch (const uno::Exception &e) {
        throw officeFailure(deadline, what, &e);
    } catch (const Failure &) {
        if (deadline.expired())
            throw officeFailure(deadline, what, nullptr);
        throw;
    }
}

inline Reference<beans::XPropertySet> pageStyle(const Reference<lang::XComponent> &model, const OUString &name)
{
    Reference<style::XStyleFamiliesSupplier> families(model, UNO_QUERY_THROW);
    Reference<container::XNameAccess> pageStyles(families->getStyleFamilies()->getByName("PageStyles"),
                                                 UNO_QUERY_THROW);
    return Reference<beans::XPropertySet>(pageStyles->getByName(name), UNO_QUERY_THROW);
}

// The page style that the document's first page uses.
inline OUString firstPageStyleName(const Reference<lang::XComponent> &model)
{
    Reference<text::XTextDocument> document(model, UNO_QUERY_THROW);
    Reference<text::XTextCursor> cursor = document->getText()->createTextCursor();
    cursor->gotoStart(false);
    Reference<beans::XPropertySet> props(cursor, UNO_QUERY_THROW);
    return props->getPropertyValue("PageStyleName").get<OUString>();
}

// Every shape of a Writer document: Writer keeps them on its one draw page.
inline Reference<container::XIndexAccess> drawPage(const Reference<lang::XComponent> &model)
{
    Reference<drawing::XDrawPageSupplier> supplier(model, UNO_QUERY_THROW);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
    return Reference<container::XIndexAccess>(supplier->getDrawPage(), UNO_QUERY_THROW);
#pragma GCC diagnostic pop
}

// A cursor over `length` characters from `at` in a paragraph of a text.
inline Reference<text::XTextCursor> cursorIn(const Reference<text::XText> &text,
                                             const Reference<text::XTextRange> &paragraph, qsizetype at,
                                             qsizetype length)
{
    Reference<text::XTextCursor> cursor = text->createTextCursorByRange(paragraph->getStart());
    cursor->goRight(sal_Int16(at), false);
    cursor->goRight(sal_Int16(length), true);
    return cursor;
}

inline bool boolProperty(const Reference<beans::XPropertySet> &props, const char *name, bool fallback)
{
    const OUString key = OUString::createFromAscii(name);
    if (!props->getPropertySetInfo()->hasPropertyByName(key))
        return fallback;
    return props->getPropertyValue(key).get<bool>();
}

inline Reference<text::XText> textProperty(const Reference<beans::XPropertySet> &props, const char *name)
{
    const OUString key = OUString::createFromAscii(name);
    if (!props->getPropertySetInfo()->hasPropertyByName(key))
        return {};
    return Reference<text::XText>(props->getPropertyValue(key), UNO_QUERY);
}

} // namespace libreoffice
