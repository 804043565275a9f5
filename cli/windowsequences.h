#pragma once

#include "buttonaction.h"
#include "panelvalues.h"

#include <QList>
#include <QVariantList>

#include <array>

class Session;

// What the window's panels read, store and send, as plain steps over the
// store and the controller: saving the button list, the DPI and lighting
// panels, the system settings, and the main screen's profile change and
// factory reset. The tool runs the same steps, so the files and the bytes
// on the wire are the same for the same change.
class WindowSequences
{
public:
    explicit WindowSequences(Session& session) : m_session(session) {}

    // Button list: the sixteen stored entries (a missing one reads as zeros)
    // and the list's Save, which stores and sends all of them together with
    // the periods of the guns chosen for the three gun slots.
    QList<ButtonEntry> buttonList() const;
    void saveButtonList(const QList<ButtonEntry>& entries);
    QVariantList gunPeriods() const;
    // The macro editor's payload of macro `name`, encoded with the key table
    // of the current language, and its send into button slot `slot` (the
    // controller refuses a payload longer than the mouse's 128-byte block).
    QVariantList macroPayload(const QString& name) const;
    void sendMacro(int slot, const QString& name);

    struct DpiPanel
    {
        int dpiCount = 4;         // stages the mouse offers
        int currentDpiCount = 4;  // stages in use
        DpiLimits limits;
        QString sensorType;
        std::array<int, 8> values{};  // as the sliders show them
    };
    DpiPanel dpiPanel() const;
    void saveDpi(const DpiPanel& panel);

    struct LightPanel
    {
        int effect = 0;
        int speed = 0;
        int brightness = 0;
        std::array<int, 24> colours{};
    };
    LightPanel lightPanel() const;
    void saveLighting(const LightPanel& panel);

    // "mouse/reportRate" row 0..3; -1 when the stored row is none of them.
    int reportRateRow() const;
    void saveReportRate(int row);

    // Every panel re-read from the active profile and sent, in the main
    // screen's order.
    void sendPanels();
    void changeProfile(int profile);
    // Factory values for the active profile, sent; gun data reset. False
    // (nothing sent) when the factory file cannot be copied.
    bool factoryReset();

private:
    void sendSystemSettings();
    void switchGunMatrices();
    void resetGuns();

    Session& m_session;
};
