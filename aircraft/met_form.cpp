#include "aircraft/met_form.h"

namespace {

MetAerodromeForm toForm(const MetAerodrome& a) {
    MetAerodromeForm f;
    f.temperatureUnit = a.temperatureUnit;
    f.temperature = WriteField(FieldKind::Temperature, a.temperature, a.temperatureUnit);
    f.pressureUnit = a.pressureUnit;
    f.qnh = WriteField(FieldKind::Pressure, a.qnh, a.pressureUnit);
    f.wet = a.wet;
    return f;
}

// Reads one aerodrome group; on failure fills `check` and returns false.
bool readAerodrome(const MetAerodromeForm& f, MetField temperatureField, MetField qnhField, MetAerodrome& out,
                   MetFormCheck& check) {
    const auto temperature = ReadRuleField(MetRules::kTemperature, f.temperature, f.temperatureUnit);
    if (!temperature) {
        check = {false, temperature.message, temperatureField};
        return false;
    }
    const auto qnh = ReadRuleField(MetRules::kQnh, f.qnh, f.pressureUnit);
    if (!qnh) {
        check = {false, qnh.message, qnhField};
        return false;
    }
    out = {static_cast<int>(*temperature.value), f.temperatureUnit, *qnh.value, f.pressureUnit, f.wet};
    return true;
}

}  // namespace

MetForm MetToForm(const CMetDoc& met) {
    MetForm form;
    form.departure = toForm(met.GetDeparture());
    form.windUnit = met.m_nWindUnit;
    for (int i = 0; i < CMetDoc::kLayers; ++i) {
        const LegWind w = met.GetLayerWind(i);
        form.direction[static_cast<size_t>(i)] = WriteWholeField(w.direction, NOVALUE_SHORT);
        form.speed[static_cast<size_t>(i)] = WriteField(FieldKind::WindSpeed, w.speed, form.windUnit);
    }
    form.destination = toForm(met.GetDestination());
    return form;
}

void CopyDepartureToDestination(MetForm& form) { form.destination = form.departure; }

MetFormCheck StoreMetForm(const MetForm& form, CMetDoc& met) {
    MetFormCheck check;
    MetAerodrome departure, destination;
    if (!readAerodrome(form.departure, MetField::DepartureTemperature, MetField::DepartureQnh, departure, check)) {
        return check;
    }
    std::array<LegWind, CMetDoc::kLayers> winds;
    for (int i = 0; i < CMetDoc::kLayers; ++i) {
        const size_t k = static_cast<size_t>(i);
        const auto direction = ReadIntegerField(form.direction[k], MetRules::kDirectionMin, MetRules::kDirectionMax);
        if (!direction) return {false, direction.message, MetField::WindDirection, i};
        const auto speed = ReadRuleField(MetRules::kWindSpeed, form.speed[k], form.windUnit);
        if (!speed) return {false, speed.message, MetField::WindSpeed, i};
        winds[k] = {static_cast<int>(*direction.value), static_cast<int>(*speed.value)};
    }
    if (!readAerodrome(form.destination, MetField::DestinationTemperature, MetField::DestinationQnh, destination,
                       check)) {
        return check;
    }

    met.SetDeparture(departure);
    met.m_nWindUnit = static_cast<int16_t>(form.windUnit);
    for (int i = 0; i < CMetDoc::kLayers; ++i) {
        met.SetLayerWind(i, winds[static_cast<size_t>(i)].direction, winds[static_cast<size_t>(i)].speed);
    }
    met.SetDestination(destination);
    return {};
}
