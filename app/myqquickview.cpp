#include "myqquickview.h"

#include "control/mousecontroller.h"
#include "device/hid_thread.h"
#include "rootcall.h"
#include "store/filechooser.h"
#include "store/gunlibrary.h"
#include "store/languagestrings.h"
#include "store/macrolibrary.h"
#include "store/namelists.h"
#include "store/settingsstore.h"

#include <QFocusEvent>
#include <QJSValue>
#include <QKeyEvent>
#include <QQuickItem>
#include <QThread>

namespace {

// Lets tests put their own chooser in place after the libraries, which keep
// the pointer they were given, have been built.
class SwitchableChooser : public FileChooser
{
public:
    explicit SwitchableChooser(FileChooser* target)
        : m_target(target)
    {
    }
    void setTarget(FileChooser* target) { m_target = target; }
    QString openFileName(const QString& caption, const QString& startFolder, const QString& filter) override
    {
        return m_target->openFileName(caption, startFolder, filter);
    }
    QString saveFileName(const QString& caption, const QString& startFolder, const QString& filter) override
    {
        return m_target->saveFileName(caption, startFolder, filter);
    }

private:
    FileChooser* m_target;
};

} // namespace

myQQuickView::myQQuickView(QWidget* parent)
    : QQuickWidget(parent)
    , m_dialogs(new DialogFileChooser(this))
{
    // The window is translucent; the scene paints its own background.
    setClearColor(Qt::transparent);

    m_fileChooser = std::make_unique<SwitchableChooser>(m_dialogs.get());
    m_store = std::make_unique<SettingsStore>(m_fileChooser.get());
    m_macros = std::make_unique<MacroLibrary>(*m_store, m_fileChooser.get());
    m_guns = std::make_unique<GunLibrary>(*m_store);

    isColorful = m_store->isColorful();
    isGun = m_store->isGun();
    icType = m_store->icType();
    is55328 = m_store->is55328();
}

// Members go in reverse order: the libraries before the store they use.
myQQuickView::~myQQuickView() = default;

void myQQuickView::setDevice(Hid_Thread* device)
{
    m_device = device;
    m_controller = device ? std::make_unique<MouseController>(*device, *m_store) : nullptr;
}

void myQQuickView::setFileChooser(FileChooser* chooser)
{
    static_cast<SwitchableChooser*>(m_fileChooser.get())->setTarget(chooser ? chooser : m_dialogs.get());
}

// ---- shell --------------------------------------------------------------

void myQQuickView::clearHidBusy()
{
    if (m_device)
        m_device->clearHidBusy();
}

void myQQuickView::initUI()
{
    callRootFunction(rootObject(), "initUI", Qt::QueuedConnection);
}

void myQQuickView::runUI()
{
    callRootFunction(rootObject(), "run", Qt::QueuedConnection);
}

void myQQuickView::resetApconfig()
{
    m_store->resetApconfig();
}

void myQQuickView::openUpdateExe()
{
}

void myQQuickView::setBusy(int busyTime)
{
    callRootFunction(rootObject(), "setProtectUI", Qt::DirectConnection, {QVariant(busyTime)});
}

void myQQuickView::setCurrentDPI(int dpiValue)
{
    // The notification monitor calls from a pool thread; the scene is only
    // touched on the GUI thread.
    if (QThread::currentThread() != thread()) {
        QMetaObject::invokeMethod(this, [this, dpiValue] { setCurrentDPI(dpiValue); }, Qt::QueuedConnection);
        return;
    }
    callRootFunction(rootObject(), "setCurrentDPI", Qt::DirectConnection, {QVariant(dpiValue)});
}

void myQQuickView::detectKeyboard(bool isDown, int code)
{
    callRootFunction(rootObject(), "detectKeyboard", Qt::QueuedConnection, {QVariant(isDown), QVariant(code)});
}

void myQQuickView::detectMouse(bool isDown, int code, int x, int y)
{
    callRootFunction(rootObject(), "detectMouse", Qt::QueuedConnection,
                     {QVariant(isDown), QVariant(code), QVariant(x), QVariant(y)});
}

// While the scene captures keys (a macro recording, a key to insert, a
// fire key or a combination), every key is one the user means to capture:
// the hooks take it, and the scene's controls must not act on it as well.
// A recorded arrow key would otherwise move the macro list to another
// macro and end the recording; a recorded Space would press the focused
// button.
static bool sceneCapturesKeys(QQuickItem* root)
{
    return root && root->property("isCapturingKeys").toBool();
}

void myQQuickView::keyPressEvent(QKeyEvent* event)
{
    if (sceneCapturesKeys(rootObject())) {
        event->accept();
        return;
    }
    QQuickWidget::keyPressEvent(event);
}

void myQQuickView::keyReleaseEvent(QKeyEvent* event)
{
    if (sceneCapturesKeys(rootObject())) {
        event->accept();
        return;
    }
    QQuickWidget::keyReleaseEvent(event);
}

void myQQuickView::focusInEvent(QFocusEvent* event)
{
    repaint();
    // The scene hears of the focus too: without it none of its controls
    // takes the keyboard focus, and Tab walks nothing.
    QQuickWidget::focusInEvent(event);
    event->accept();
}

// Disabling the view (the UI lock, a detection pass) asks it to pass the
// focus on. The base class would move the scene's focus to its next
// control, which after the lock shows as focused and takes Space although
// the user never chose it: the first in the tab order is the button list's
// restore mark. The view keeps the focus instead; a disabled widget gets no
// input anyway.
bool myQQuickView::focusNextPrevChild(bool next)
{
    if (!isEnabled())
        return true;
    return QQuickWidget::focusNextPrevChild(next);
}

// The window becomes active while the view is still locked (the start-up
// lock, the device check), so nothing takes the focus then. The view takes
// it when unlocked; otherwise the keyboard reaches nothing until a click.
void myQQuickView::changeEvent(QEvent* event)
{
    QQuickWidget::changeEvent(event);
    if (event->type() == QEvent::EnabledChange && isEnabled() && isActiveWindow() && !window()->focusWidget())
        setFocus(Qt::ActiveWindowFocusReason);
}

// ---- settings and profiles ----------------------------------------------

QVariant myQQuickView::getData(QVariant key, bool isRecovery)
{
    return m_store->getData(key, isRecovery);
}

QVariant myQQuickView::getGlobalData(QVariant key)
{
    return m_store->getGlobalData(key);
}

QVariantList myQQuickView::getDataList(QVariant key, bool isRecovery)
{
    return m_store->getDataList(key, isRecovery);
}

// A script array handed to a QVariant parameter arrives as a script value,
// which the settings files cannot write ("mouse/selectGun" would be lost):
// store its plain form.
static QVariant plainValue(const QVariant& value)
{
    if (value.metaType() == QMetaType::fromType<QJSValue>())
        return value.value<QJSValue>().toVariant();
    return value;
}

void myQQuickView::setData(QVariant key, QVariant data)
{
    m_store->setData(key, plainValue(data));
}

void myQQuickView::setGlobalData(QVariant key, QVariant tmpdata)
{
    m_store->setGlobalData(key, plainValue(tmpdata));
}

void myQQuickView::setDataList(QVariant key, QVariantList datalist)
{
    m_store->setDataList(key, datalist);
}

void myQQuickView::setCurrentProfile(int profile)
{
    m_store->setCurrentProfile(profile);
}

bool myQQuickView::loadProfile(int profile)
{
    return m_store->loadProfile(profile);
}

void myQQuickView::saveProfile(int profile)
{
    m_store->saveProfile(profile);
}

void myQQuickView::resetProfile(int profile)
{
    m_store->resetProfile(profile);
}

void myQQuickView::copyProfile(int destprofile, int srcprofile)
{
    m_store->copyProfile(destprofile, srcprofile);
}

QStringList myQQuickView::getLangStrings(QString typeStr, QString langCode)
{
    return LanguageStrings::getLangStrings(typeStr, langCode);
}

// ---- macros and name lists ----------------------------------------------

bool myQQuickView::loadMacroFile(QVariant macroFileName)
{
    return m_macros->loadMacroFile(macroFileName);
}

void myQQuickView::saveMacroFile(QVariant macroFileName)
{
    m_macros->saveMacroFile(macroFileName);
}

QVariant myQQuickView::createMacroIni(QVariant name, QVariant macroIndex)
{
    return m_macros->createMacroIni(name, macroIndex);
}

QVariant myQQuickView::updataNameList(QVariant type, QStringList nameList)
{
    return NameLists::updataNameList(type, nameList);
}

QVariant myQQuickView::modifyMacroNameUpdateProfile(QVariant oldname, QVariant newname)
{
    return m_macros->modifyMacroNameUpdateProfile(oldname, newname);
}

void myQQuickView::deleteMacroUpdateProfile(QVariant macroName)
{
    m_macros->deleteMacroUpdateProfile(macroName);
}

QVariant myQQuickView::deleteMacroIni(QVariant name)
{
    return m_macros->deleteMacroIni(name);
}

QVariantList myQQuickView::getNameList(QVariant type)
{
    return NameLists::getNameList(type);
}

QVariant myQQuickView::saveMacroIni(QVariant name, QStringList macros, QVariant repeat)
{
    return m_macros->saveMacroIni(name, macros, repeat);
}

QStringList myQQuickView::loadMacroIni(QVariant name)
{
    return m_macros->loadMacroIni(name);
}

// ---- guns ---------------------------------------------------------------

void myQQuickView::mouseSaveGundata(QVariant index, QVariantList src6)
{
    m_guns->mouseSaveGundata(index, src6);
}

void myQQuickView::modifyGundata(QVariant modifyType, QVariantList src6)
{
    m_guns->modifyGundata(modifyType, src6);
}

QVariantList myQQuickView::getGunData(QVariant name)
{
    return m_guns->getGunData(name);
}

QStringList myQQuickView::getGunDataKey()
{
    return m_guns->getGunDataKey();
}

QVariant myQQuickView::getXYSensitive(QVariant index)
{
    return m_guns->getXYSensitive(index);
}

QVariant myQQuickView::getselectGun(QVariant index)
{
    return m_guns->getselectGun(index);
}

void myQQuickView::setXYSensitive(QVariant index, QVariant xyData)
{
    m_guns->setXYSensitive(index, xyData);
}

void myQQuickView::setSelectGun(QVariant index, QVariant xyData)
{
    m_guns->setSelectGun(index, xyData);
}

// ---- device operations --------------------------------------------------
// Without a device object (a view built on its own) they do nothing and
// getters answer like a device that does not reply.

QVariant myQQuickView::mouseSendMacroData(QVariantList macroData, QVariant macroIndex)
{
    return m_controller ? m_controller->mouseSendMacroData(macroData, macroIndex) : QVariant(true);
}

void myQQuickView::mouseSendGundata(int slot, QVariantList values)
{
    if (m_controller)
        m_controller->mouseSendGundata(slot, values);
}

void myQQuickView::mouseSetKeyboardoption(uchar byte1, uchar byte2, uchar byte3, uchar byte4)
{
    if (m_controller)
        m_controller->mouseSetKeyboardoption(byte1, byte2, byte3, byte4);
}

void myQQuickView::mouseSetReportRate(uchar rate)
{
    if (m_controller)
        m_controller->mouseSetReportRate(rate);
}

void myQQuickView::mouseSetCurrentDPI(uchar currentDPI)
{
    if (m_controller)
        m_controller->mouseSetCurrentDPI(currentDPI);
}

void myQQuickView::mouseResetKeyMatrix()
{
    if (m_controller)
        m_controller->mouseResetKeyMatrix();
}

QVariant myQQuickView::mouseGetCurrentDPI()
{
    return m_controller ? m_controller->mouseGetCurrentDPI() : QVariant(0);
}

void myQQuickView::mouseSetKeyMatrix(QVariantList src64, bool isSendData, QVariantList otherParam)
{
    if (m_controller)
        m_controller->mouseSetKeyMatrix(src64, isSendData, otherParam);
}

void myQQuickView::mouseSetDpi(int dpiCount, QString sensorType, QVariantList dpiValueArray)
{
    if (m_controller)
        m_controller->mouseSetDpi(dpiCount, sensorType, dpiValueArray);
}

void myQQuickView::mouseSetRGBEffect(uchar effect, uchar option1, uchar option2)
{
    if (m_controller)
        m_controller->mouseSetRGBEffect(effect, option1, option2);
}

void myQQuickView::mouseSetRGBColor(uchar type, QVariantList src24)
{
    if (m_controller)
        m_controller->mouseSetRGBColor(type, src24);
}

void myQQuickView::mouseSetProfile(uint profileNo)
{
    if (m_controller)
        m_controller->mouseSetProfile(profileNo);
}

void myQQuickView::mouseReadProfile(uint profileNo)
{
    if (m_controller)
        m_controller->mouseReadProfile(profileNo);
}

QVariant myQQuickView::mouseReadCurrentProfile()
{
    return m_controller ? m_controller->mouseReadCurrentProfile() : QVariant(0);
}

void myQQuickView::mouseSwitchKeyMatrix(int indexNo)
{
    if (m_controller)
        m_controller->mouseSwitchKeyMatrix(indexNo);
}

QVariantList myQQuickView::GetKeyboardoption()
{
    return m_controller ? m_controller->GetKeyboardoption() : QVariantList{0, 0, 0, 0};
}

void myQQuickView::mouseSetCursorSpeed(uint cursorSpeed)
{
    if (m_controller)
        m_controller->mouseSetCursorSpeed(cursorSpeed);
}

void myQQuickView::mouseSetVerticalScrollLines(uint lines)
{
    if (m_controller)
        m_controller->mouseSetVerticalScrollLines(lines);
}

void myQQuickView::mouseSetDoubleClickSpeed(uint speed)
{
    if (m_controller)
        m_controller->mouseSetDoubleClickSpeed(speed);
}

QVariantList myQQuickView::mouseGetKeydefine(QVariant index, bool isRecovery)
{
    return m_controller ? m_controller->mouseGetKeydefine(index, isRecovery) : QVariantList();
}
