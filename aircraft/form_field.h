#pragma once
// A dimensioned dialog field with its check: the field kind, the range in the
// kind's reference unit (see CheckField) and whether it must be filled in.
// The aircraft and weather dialogs describe their fields with these rules and
// read them through ReadRuleField, so the dialogs only show the messages.

#include <string_view>

#include "core/unit_fields.h"

struct FieldRule {
    FieldKind kind;
    double min;
    double max;
    bool required;
};

// Reads `text` in `unit` and checks it against the rule. The value is in its
// stored form (whole numbers for the whole-number kinds); on failure there is
// no value and the message to show. A moment takes its arm unit as `unit` and
// its mass unit as `massUnit`.
PlainFieldValue<double> ReadRuleField(const FieldRule& rule, std::string_view text, int unit,
                                      int massUnit = DIM_UNKNOWN);
