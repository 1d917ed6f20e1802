#include "LibreOfficeInstance.h"

#include <atomic>
#include <vector>

#include <cppuhelper/implbase1.hxx>
#include <rtl/ref.hxx>
#include <com/sun/star/document/MacroExecMode.hpp>
#include <com/sun/star/document/UpdateDocMode.hpp>
#include <com/sun/star/io/IOException.hpp>
#include <com/sun/star/lang/IllegalArgumentException.hpp>
#include <com/sun/star/task/ErrorCodeRequest.hpp>
#include <com/sun/star/task/PasswordRequest.hpp>
#include <com/sun/star/task/XInteractionAbort.hpp>
#include <com/sun/star/task/XInteractionHandler.hpp>
#include <com/sun/star/task/XInteractionRequest.hpp>

namespace libreoffice {

namespace {

namespace io = com::sun::star::io;
namespace task = com::sun::star::task;

// Answers every question the office asks while loading with "abort", as
// if there were nobody to ask, and notes whether it asked for a password,
// so that a protected file can be told from a broken one. The office calls
// it from its bridge's thread.
class LoadQuestions : public cppu::WeakImplHelper1<task::XInteractionHandler>
{
public:
    void SAL_CALL handle(const Reference<task::XInteractionRequest> &request) override
    {
        // What the office met (a linked picture it could not read is a
        // general input/output error, 0x20d), for developers.
        if (task::ErrorCodeRequest code; request->getRequest() >>= code)
            qCDebug(lcOffice) << "the office asked while loading: error code" << Qt::hex << quint32(code.ErrCode);
        else
            qCDebug(lcOffice) << "the office asked while loading:"
                              << toQString(request->getRequest().getValueTypeName());
        if (request->getRequest().isExtractableTo(cppu::UnoType<task::PasswordRequest>::get()))
            m_passwordAsked = true;
        const uno::Sequence<Reference<task::XInteractionContinuation>> answers = request->getContinuations();
        for (const auto &answer : answers) {
            if (Reference<task::XInteractionAbort> abort{answer, UNO_QUERY}; abort.is()) {
                abort->select();
                return;
            }
        }
    }

    bool passwordAsked() const { return m_passwordAsked; }

private:
    std::atomic<bool> m_passwordAsked{false};
};

} // namespace

LoadedFile loadHidden(Instance &instance, const QString &path, std::optional<bool> readOnly)
{
    const rtl::Reference<LoadQuestions> questions = new LoadQuestions;
    std::vector<beans::PropertyValue> props = {
            property("Hidden", uno::Any(true)),
            // The file itself is the document, even under a template's name.
            property("AsTemplate", uno::Any(false)),
            property("MacroExecutionMode", uno::Any(sal_Int16(com::sun::star::document::MacroExecMode::NEVER_EXECUTE))),
            // No link of the document is brought up to date while it loads
            // (the profile's settings stop the rest; see OfficeSettings.h).
            property("UpdateDocMode", uno::Any(sal_Int16(com::sun::star::document::UpdateDocMode::NO_UPDATE))),
            property("InteractionHandler", uno::Any(Reference<task::XInteractionHandler>(questions.get()))),
    };
    if (readOnly)
        props.push_back(property("ReadOnly", uno::Any(*readOnly)));
    LoadedFile loaded;
    try {
        loaded.model = instance.office->desktop()->loadComponentFromURL(
                fileUrl(*instance.office, path), "_blank", 0,
                uno::Sequence<beans::PropertyValue>(props.data(), sal_Int32(props.size())));
    } catch (const io::IOException &) {
        loaded.model.clear();
    } catch (const lang::IllegalArgumentException &) {
        loaded.model.clear();
    }
    loaded.passwordAsked = questions->passwordAsked();
    return loaded;
}

} // namespace libreoffice
