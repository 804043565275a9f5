#pragma once

#include <QSettings>
#include <QString>
#include <QVariant>

#include <array>
#include <memory>

class FileChooser;

// The long-lived settings files: the global file, the factory profile and the
// ten profiles, with the key/value access and whole-file operations the scene
// uses. A profile number n (0..9) addresses p(n+1).bin; numbers outside that
// range are refused without change.
class SettingsStore
{
public:
    static constexpr int kProfileCount = 10;

    // Opens apConfig.bin, pD.bin and p1..p10.bin in that order and reads the
    // four device flags once. `fileChooser` may be null: import and export
    // then behave as if the user cancelled.
    explicit SettingsStore(FileChooser *fileChooser = nullptr);
    ~SettingsStore();
    SettingsStore(const SettingsStore &) = delete;
    SettingsStore &operator=(const SettingsStore &) = delete;

    // Reads return an invalid variant (an empty list) when the key is absent.
    // Values read back from a file arrive as text.
    QVariant getData(const QVariant &key, bool isRecovery) const;
    QVariantList getDataList(const QVariant &key, bool isRecovery) const;
    QVariant getGlobalData(const QVariant &key) const;
    void setData(const QVariant &key, const QVariant &data);
    void setDataList(const QVariant &key, const QVariantList &datalist);
    void setGlobalData(const QVariant &key, const QVariant &tmpdata);

    bool setCurrentProfile(int profile);
    int currentProfile() const { return m_currentProfile; }

    // Whole-file operations. Each returns whether the profile file now holds
    // the new content; on failure the old file and its store stay as they were.
    bool loadProfile(int profile);   // import a .pf; false also when cancelled
    bool saveProfile(int profile);   // export to a .pf
    bool resetProfile(int profile);  // factory values from pD.bin
    bool copyProfile(int destprofile, int srcprofile);
    bool resetApconfig();            // global file from apConfigD.bin; flags stay

    // Device flags as read at construction.
    bool isColorful() const { return m_isColorful; }
    bool isGun() const { return m_isGun; }
    QString icType() const { return m_icType; }
    bool is55328() const { return m_is55328; }
    bool is560Family() const;

    // The stores themselves, for code that names keys directly. A reference
    // stays valid until that store is replaced by one of the operations above.
    QSettings &globalSettings() { return *m_globalSettings; }
    QSettings &defaultSettings() { return *m_defaultSettings; }
    QSettings &currentProfileSettings() { return *m_profileSettings[m_currentProfile]; }
    const QSettings &currentProfileSettings() const { return *m_profileSettings[m_currentProfile]; }
    QSettings *profileSettings(int profile);

    static bool isValidProfile(int profile);

private:
    using Store = std::unique_ptr<QSettings>;
    const QSettings &readStore(bool isRecovery) const;
    bool replaceStore(Store &store, const QString &source);
    bool replaceProfile(int profile, const QString &source);

    FileChooser *m_fileChooser;
    Store m_globalSettings;
    Store m_defaultSettings;
    std::array<Store, kProfileCount> m_profileSettings;
    int m_currentProfile = 0;
    bool m_isColorful = false;
    bool m_isGun = false;
    QString m_icType;
    bool m_is55328 = false;
};
