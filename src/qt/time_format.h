// Date-time picker display formats ("HH時間mm分ss秒") as QDateTimeEdit
// display formats ("HH'時間'mm'分'ss'秒'"): field letters stay, everything
// else becomes quoted literal text.
#pragma once

#include <QString>

QString toQtTimeFormat(const QString& pickerFormat);
