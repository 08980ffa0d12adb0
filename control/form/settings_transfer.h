// Copies between the Settings record and the dialog, table by table.
#pragma once

#include "form/form_fields.h"
#include "settings_record.h"

namespace vornal {

// Record into the dialog: every control of the record, the false button of
// each radio pair, the tray menu's three check marks and the taskbar track
// bar. A multi-radio value without a button of its own checks the group's
// first button.
void SettingsToForm(const Settings& settings, FormFields& form);

// Dialog into the record. Spin values keep their low 16 bits; a multi-radio
// group without a checked button other than the first gives 1.
void FormToSettings(const FormFields& form, Settings& settings);

}  // namespace vornal
