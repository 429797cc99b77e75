#pragma once

#include <optional>

// A setting picked from a list, in the unit the list shows (115200 baud, 7 data bits).
// A printer code that no entry shows is kept as it came, so that it can be written back
// unchanged or shown as unknown.
struct ListSetting
{
    int value = 0; // the entry's value, or the printer's own code when unlisted
    bool unlisted = false;

    friend bool operator==(const ListSetting &a, const ListSetting &b)
    {
        return a.value == b.value && a.unlisted == b.unlisted;
    }
    friend bool operator!=(const ListSetting &a, const ListSetting &b) { return !(a == b); }

    // The setting for printer code `code` of a list whose entries show `values`.
    template <int N> static ListSetting fromCode(const int (&values)[N], int code)
    {
        if (code >= 0 && code < N)
            return {values[code], false};
        return {code, true};
    }
    // The printer code: the entry's index, or the code kept; -1 for a value no entry has.
    template <int N> int code(const int (&values)[N]) const
    {
        if (unlisted)
            return value;
        for (int i = 0; i < N; ++i) {
            if (values[i] == value)
                return i;
        }
        return -1;
    }
};
