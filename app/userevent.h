#pragma once

#include <QEvent>

// Posted by the window to itself so that work runs on a later turn of the
// event loop (the scene's "run" after its "initUI").
inline constexpr int RUN_UI_CODE = 2177;

class UserEvent : public QEvent
{
public:
    explicit UserEvent(int code)
        : QEvent(QEvent::User)
        , m_code(code)
    {
    }
    int code() const { return m_code; }

private:
    int m_code;
};
