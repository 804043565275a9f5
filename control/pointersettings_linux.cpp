// Pointer settings through the desktop's own GSettings schema, where it is
// installed. Without the schema there is no desktop-wide setting to change
// and every call reports failure.
#include "pointersettings.h"

#include <gio/gio.h>

#include <memory>

namespace pointersettings {

namespace {

constexpr const char* MouseSchema = "org.gnome.desktop.peripherals.mouse";
constexpr const char* SpeedKey = "speed";              // double, -1 .. 1
constexpr const char* DoubleClickKey = "double-click"; // int, milliseconds

// The Windows scale 1..20 goes onto the schema's -1..1 in two straight
// pieces: 1 is the slowest (-1), 20 the fastest (1), and the Windows default
// 10 is the desktop's default 0.
constexpr double SlowestSpeed = 1.0;
constexpr double DefaultSpeed = 10.0;
constexpr double FastestSpeed = 20.0;

double schemaSpeed(unsigned speed)
{
    if (speed <= DefaultSpeed)
        return (speed - DefaultSpeed) / (DefaultSpeed - SlowestSpeed);
    return (speed - DefaultSpeed) / (FastestSpeed - DefaultSpeed);
}

struct SettingsDeleter
{
    void operator()(GSettings* settings) const { g_object_unref(settings); }
};
struct SchemaDeleter
{
    void operator()(GSettingsSchema* schema) const { g_settings_schema_unref(schema); }
};
struct VariantDeleter
{
    void operator()(GVariant* value) const { g_variant_unref(value); }
};
using SettingsPtr = std::unique_ptr<GSettings, SettingsDeleter>;
using SchemaPtr = std::unique_ptr<GSettingsSchema, SchemaDeleter>;
using VariantPtr = std::unique_ptr<GVariant, VariantDeleter>;

// Writes one key of the mouse schema. Refuses quietly when the schema or key
// is missing, or the value lies outside the key's range (GSettings would
// otherwise abort with a critical message), and waits until the desktop's
// backend has the value so that nothing is lost when the program ends.
bool writeMouseKey(const char* key, GVariant* floatingValue)
{
    VariantPtr value(g_variant_ref_sink(floatingValue));
    GSettingsSchemaSource* source = g_settings_schema_source_get_default();
    if (source == nullptr)
        return false;
    SchemaPtr schema(g_settings_schema_source_lookup(source, MouseSchema, TRUE));
    if (!schema || !g_settings_schema_has_key(schema.get(), key))
        return false;

    GSettingsSchemaKey* schemaKey = g_settings_schema_get_key(schema.get(), key);
    const bool inRange = g_variant_is_of_type(value.get(), g_settings_schema_key_get_value_type(schemaKey))
                         && g_settings_schema_key_range_check(schemaKey, value.get());
    g_settings_schema_key_unref(schemaKey);
    if (!inRange)
        return false;

    SettingsPtr settings(g_settings_new_full(schema.get(), nullptr, nullptr));
    if (!g_settings_set_value(settings.get(), key, value.get()))
        return false;
    g_settings_sync();
    return true;
}

} // namespace

bool applyPointerSpeed(unsigned speed)
{
    if (speed < SlowestSpeed || speed > FastestSpeed)
        return false;
    return writeMouseKey(SpeedKey, g_variant_new_double(schemaSpeed(speed)));
}

bool applyDoubleClickTime(unsigned milliseconds)
{
    if (milliseconds > unsigned(G_MAXINT32))
        return false;
    return writeMouseKey(DoubleClickKey, g_variant_new_int32(static_cast<gint32>(milliseconds)));
}

bool applyWheelScrollLines(unsigned)
{
    // The desktop scrolls by its own rule; there is no lines-per-notch key.
    return false;
}

} // namespace pointersettings
