#pragma once
// Everything the user supplies for one evaluation, free of widgets: the input form mirrors it.
// Texts are kept exactly as typed and read with FieldValue once, when they are set. Enabled flags
// are not stored: they follow from the method flags and the option selections (enabling rule),
// so they can never disagree with them.

#include "field_value.h"

#include <array>
#include <string>
#include <string_view>

namespace kalvora::model {

enum class Field { Metabolismo, Taseco, Iclo, vaire, tglobo, TRMedia, tbhn, HR, tbh, pa };
inline constexpr int kFieldCount = 10;

enum class OptionGroup { Radiacion, humedad, Radsolar, postura };
inline constexpr int kOptionGroupCount = 4;

/// Method flags; the index is the method's identity throughout the program.
enum class Method { Pmv = 0, Hsi = 1, Wbgt = 2, SwReq = 3, Wci = 4, Ireq = 5 };
inline constexpr int kMethodCount = 6;
/// Every method in flag order.
inline constexpr std::array<Method, kMethodCount> kAllMethods
    = { Method::Pmv, Method::Hsi, Method::Wbgt, Method::SwReq, Method::Wci, Method::Ireq };

class InputParameters
{
public:
    /// The state of a freshly opened input form: start texts, start selections, no method on.
    InputParameters();

    const std::string &text(Field field) const { return m_text[index(field)]; }
    /// Sets the typed text and its number, read with FieldValue.
    void setText(Field field, std::string text);
    /// Sets a text in the plain form whose number is finite, the one reading of files and of the
    /// command line; false, the field left as it was, for any other text (PlainNumber).
    bool setPlainNumber(Field field, std::string_view text);
    /// The number of the field's text, as FieldValue reads it.
    double value(Field field) const { return m_value[index(field)]; }

    bool method(Method method) const { return m_method[index(method)]; }
    void setMethod(Method method, bool on) { m_method[index(method)] = on; }
    bool anyMethod() const;

    int selected(OptionGroup group) const { return m_selected[index(group)]; }
    void select(OptionGroup group, int option);

    /// Enabling rule: a group is enabled when one of its methods is on.
    bool groupEnabled(OptionGroup group) const;
    /// A field is enabled when its methods are on; tglobo/TRMedia and HR/tbh/pa only when their
    /// group is enabled and their option is the selected one.
    bool enabled(Field field) const;

    /// Same texts, options and method flags: the same inputs.
    bool operator==(const InputParameters &other) const;

    static const char *name(Field field);
    static const char *startText(Field field);

private:
    template <class E> static constexpr int index(E e) { return static_cast<int>(e); }

    std::array<std::string, kFieldCount> m_text;
    std::array<double, kFieldCount> m_value {};
    std::array<int, kOptionGroupCount> m_selected {};
    std::array<bool, kMethodCount> m_method {};
};

} // namespace kalvora::model
