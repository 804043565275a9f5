#pragma once

#include <QString>

#include <array>
#include <optional>

// A button assignment in the four numbers the window stores and hands to the
// controller: kind, then three codes.
using ButtonEntry = std::array<int, 4>;

struct ButtonAction
{
    ButtonEntry entry{};
    QString macroName;  // set for macro actions
};

struct ActionRules
{
    int buttonIndex = 0;      // 0-based; a macro plays from the button's own slot
    bool gunAllowed = false;  // the mouse has gun functions
};

// Readable actions, each giving exactly the bytes the window's key-assignment
// dialog gives for the same choice:
//   left right middle back forward double
//   key:NAME  combo:LCtrl+C  fire:KEY,RATE_MS,TIMES  media:NAME  win:NAME
//   shortcut:NAME  dpi:+|-|loop|sniper  macro:NAME[,once|loop|hold]  gun:1..3
// On a refusal `error` says why.
std::optional<ButtonAction> parseButtonAction(const QString& text, const ActionRules& rules,
                                              QString* error);

// The readable form of a stored entry ("raw:" and eight hex digits for what
// the window cannot produce). `macroName` is the name in the button's slot.
QString describeButtonEntry(const ButtonEntry& entry, const QString& macroName);

// A plain left-button assignment: the window never lets the last one go.
bool isPlainLeftButton(const ButtonEntry& entry);

// Fire rates the window's rate slider offers, in ms.
inline constexpr int kMinFireRateMs = 4;
inline constexpr int kMaxFireRateMs = 80;
