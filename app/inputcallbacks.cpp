#include "inputcallbacks.h"

#include "inputhook.h"
#include "myqquickview.h"
#include "widget.h"

#include <QMessageBox>

namespace {

myQQuickView* viewOf(void* context)
{
    return context == nullptr ? nullptr : static_cast<Widget*>(context)->view();
}

} // namespace

void onGlobalKey(int code, bool isDown, void* context)
{
    if (myQQuickView* view = viewOf(context))
        view->detectKeyboard(isDown, code);
}

void onGlobalMouseButton(int code, bool isDown, int x, int y, void* context)
{
    if (myQQuickView* view = viewOf(context))
        view->detectMouse(isDown, code, x, y);
}

void onCopyData(const CopyDataMessage& message, void* context)
{
    if (context == nullptr)
        return;
    const auto text = copyDataNoticeText(message);
    if (!text)
        return;
    const auto* window = static_cast<Widget*>(context);
    // The text comes from another program: shown as it is, never as markup.
    QMessageBox box(QMessageBox::Warning, window->windowTitle(), QString::fromStdString(*text), QMessageBox::Ok);
    box.setTextFormat(Qt::PlainText);
    box.exec();
}
