#pragma once

#include <QByteArrayView>
#include <QString>

// The INI reader turns a value written "@Variant(...)" or "@DateTime(...)"
// into an object decoded from binary data, whatever type and size that data
// claims: a picture, or a list said to hold four billion entries, which
// ends the program when the memory cannot be had. The settings files this
// program writes never hold such values, so a file that does is foreign or
// forged and is not read.

// Whether the INI reader would decode such a value somewhere in `text`.
// It looks at the text as the reader unescapes it (escape sequences, quotes
// removed), so spelling the marker with escapes does not hide it.
bool holdsStoredObjects(QByteArrayView text);

// The same for a file; false when it cannot be read (there is nothing the
// reader could decode either).
bool fileHoldsStoredObjects(const QString &path);
