#pragma once

// A reproducible sequence of everything that rewrites a store file: profile
// import, reset, copy and export, macro save, rename, import and delete,
// name-list updates and value writes through the long-lived stores. Step k
// depends only on the seed, k and the files on disk, so a run that starts
// from the files left after step j repeats steps j+1, j+2, ... exactly.
#include "fakefilechooser.h"

#include "store/macrolibrary.h"
#include "store/settingsstore.h"

#include <QString>
#include <QStringList>

#include <map>

class StoreWorkload
{
public:
    // Works on "./modules/..", "./import/.." and "./export/.." of the
    // working directory.
    explicit StoreWorkload(quint32 seed);

    // Adds the import files and the macros the steps work on to a fresh copy
    // of modules/ in the working directory.
    static void prepareFolder();

    // Runs step k and writes every store to disk, as the event loop's
    // write-back would.
    void runStep(int k);
    // What step k does, for messages.
    static QString describe(int k);

private:
    void flushStores();

    quint32 m_seed;
    FakeFileChooser m_chooser;
    SettingsStore m_store{&m_chooser};
    MacroLibrary m_macros{m_store, &m_chooser};
};

// Every file below the store folders and export/, by relative path. Lock
// files of the stores are left out: they are no store content.
using FolderState = std::map<QString, QByteArray>;
FolderState readStoreFiles(const QString &root);
// Replaces the store folders under root by `state`.
void writeStoreFiles(const QString &root, const FolderState &state);
