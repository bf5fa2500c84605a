// Date-time picker display formats ("HH' h 'mm' min'", "HH:mm") as
// QDateTimeEdit display formats: field letters stay, everything else becomes
// quoted literal text.
#pragma once

#include <QString>

QString toQtTimeFormat(const QString& pickerFormat);
