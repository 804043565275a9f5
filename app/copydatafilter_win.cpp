// WM_COPYDATA notices reach the program through an application-wide native
// event filter: the sender may address any of our top-level windows.

#include "inputhook.h"

#include <QAbstractNativeEventFilter>
#include <QCoreApplication>

#include <memory>

#include <windows.h>

namespace {

class CopyDataFilter : public QAbstractNativeEventFilter
{
public:
    explicit CopyDataFilter(GlobalInputHook& owner)
        : m_owner(owner)
    {
    }

    bool nativeEventFilter(const QByteArray& eventType, void* message, qintptr* result) override
    {
        // Sent messages such as WM_COPYDATA arrive through the window
        // procedure only, never through the dispatcher's queue.
        if (eventType != "windows_generic_MSG")
            return false;
        const MSG* msg = static_cast<const MSG*>(message);
        if (msg->message != WM_COPYDATA)
            return false;
        const auto* data = reinterpret_cast<const COPYDATASTRUCT*>(msg->lParam);
        if (data == nullptr)
            return false;
        const CopyDataMessage notice{data->dwData, data->cbData, data->lpData};
        if (!m_owner.copyDataEvent(notice))
            return false;
        *result = 1;
        return true;
    }

private:
    GlobalInputHook& m_owner;
};

// The one filter of the process and the hook object that installed it.
std::unique_ptr<CopyDataFilter> copyDataFilter;
GlobalInputHook* copyDataOwner = nullptr;

} // namespace

void GlobalInputHook::startCopyDataListener()
{
    if (copyDataFilter || QCoreApplication::instance() == nullptr)
        return;
    copyDataFilter = std::make_unique<CopyDataFilter>(*this);
    copyDataOwner = this;
    QCoreApplication::instance()->installNativeEventFilter(copyDataFilter.get());
}

void GlobalInputHook::stopCopyDataListener()
{
    if (copyDataOwner != this)
        return;
    if (QCoreApplication::instance() != nullptr)
        QCoreApplication::instance()->removeNativeEventFilter(copyDataFilter.get());
    copyDataFilter.reset();
    copyDataOwner = nullptr;
}
