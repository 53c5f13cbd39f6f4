#include "aircraft/form_field.h"

PlainFieldValue<double> ReadRuleField(const FieldRule& rule, std::string_view text, int unit, int massUnit) {
    const std::optional<double> value = ReadField(rule.kind, text, unit);
    if (!value) return {std::nullopt, MissingValueMessage(rule.kind, unit)};
    const FieldCheck check = CheckField(rule.kind, *value, rule.required, rule.min, rule.max, unit, massUnit);
    if (!check) return {std::nullopt, check.message};
    return {*value, {}};
}
