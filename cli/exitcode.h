#pragma once

#include <QString>

// The exit statuses scripts can rely on; every failure also prints one line
// on stderr.
namespace ExitCode {
inline constexpr int Ok = 0;
inline constexpr int Usage = 1;        // unknown command or option, bad value
inline constexpr int NoDevice = 2;     // no listed mouse answers
inline constexpr int DeviceError = 3;  // the mouse failed an exchange, or is held elsewhere
inline constexpr int FileError = 4;    // a file could not be read or written
} // namespace ExitCode

// A refusal or failure on its way to stderr. code 0 means none.
struct CliError
{
    int code = ExitCode::Ok;
    QString message;

    explicit operator bool() const { return code != ExitCode::Ok; }
    static CliError usage(const QString& text) { return {ExitCode::Usage, text}; }
    static CliError file(const QString& text) { return {ExitCode::FileError, text}; }
    static CliError device(const QString& text) { return {ExitCode::DeviceError, text}; }
};
