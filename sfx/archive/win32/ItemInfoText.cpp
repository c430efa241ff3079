#include "ItemInfoText.h"

#include "ThousandsText.h"

namespace {

constexpr int kPartLength = 16;

std::wstring ThousandsSeparator() {
    wchar_t separator[8] = {};
    if (GetLocaleInfoW(LOCALE_USER_DEFAULT, LOCALE_STHOUSAND, separator, 8) == 0) return L",";
    return separator;
}

}  // namespace

std::wstring DateTimeText(const SYSTEMTIME& localTime) {
    wchar_t date[kPartLength] = {}, time[kPartLength] = {};
    if (GetDateFormatW(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &localTime, nullptr, date, kPartLength) == 0) date[0] = 0;
    if (GetTimeFormatW(LOCALE_USER_DEFAULT, TIME_NOSECONDS, &localTime, nullptr, time, kPartLength) == 0) time[0] = 0;
    return std::wstring(date) + L" " + time;
}

std::wstring ItemInfoText(uint64_t size, const SYSTEMTIME& localTime) {
    return FormatThousands(size, ThousandsSeparator()) + L" bytes, " + DateTimeText(localTime);
}
