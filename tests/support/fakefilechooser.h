#pragma once

#include "filechooser.h"

// A file chooser that answers with a prepared path ("" = cancel) and keeps
// what it was asked.
class FakeFileChooser : public FileChooser
{
public:
    QString answer;
    int calls = 0;
    QString lastCaption;
    QString lastFilter;
    QString lastStartFolder;

    QString openFileName(const QString &caption, const QString &startFolder, const QString &filter) override
    {
        return reply(caption, startFolder, filter);
    }
    QString saveFileName(const QString &caption, const QString &startFolder, const QString &filter) override
    {
        return reply(caption, startFolder, filter);
    }

private:
    QString reply(const QString &caption, const QString &startFolder, const QString &filter)
    {
        ++calls;
        lastCaption = caption;
        lastStartFolder = startFolder;
        lastFilter = filter;
        return answer;
    }
};
