#include "toolkit/grid_sort.h"

#include <algorithm>
#include <charconv>
#include <numeric>

namespace mtp::tk {
namespace {

bool IsDigit(char16_t c) {
    return c >= u'0' && c <= u'9';
}

bool TryReadNumber(std::u16string_view text, double& value) {
    size_t i = 0;
    if (i < text.size() && (text[i] == u'+' || text[i] == u'-'))
        ++i;
    const size_t intStart = i;
    while (i < text.size() && IsDigit(text[i]))
        ++i;
    if (i == intStart)
        return false;
    if (i < text.size() && text[i] == u'.') {
        const size_t fracStart = ++i;
        while (i < text.size() && IsDigit(text[i]))
            ++i;
        if (i == fracStart)
            return false;
    }
    if (i != text.size())
        return false;
    std::string ascii(text.begin() + (text[0] == u'+' ? 1 : 0), text.end());
    return std::from_chars(ascii.data(), ascii.data() + ascii.size(), value).ec == std::errc{};
}

} // namespace

TCellSortKey RecognizeCell(std::u16string_view text, const LocaleFormats& locale) {
    TCellSortKey key;
    if (text.empty())
        return key;
    if (TryReadNumber(text, key.Value)) {
        key.Kind = TCellKind::Number;
    } else if (text.find(locale.dateSeparator) != std::u16string_view::npos &&
               TryStrToDateTime(text, key.Value, locale)) {
        key.Kind = TCellKind::DateTime;
    } else {
        key.Kind = TCellKind::Text;
        key.Value = 0;
    }
    return key;
}

std::vector<size_t> SortedOrder(const std::vector<std::u16string_view>& cells, bool descending,
                                const LocaleFormats& locale) {
    std::vector<TCellSortKey> keys;
    keys.reserve(cells.size());
    for (auto cell : cells)
        keys.push_back(RecognizeCell(cell, locale));
    auto less = [&](size_t a, size_t b) {
        const TCellSortKey& ka = keys[a];
        const TCellSortKey& kb = keys[b];
        if (ka.Kind != kb.Kind)
            return ka.Kind < kb.Kind;
        if (ka.Kind == TCellKind::Text)
            return cells[a] < cells[b];
        return ka.Value < kb.Value;
    };
    std::vector<size_t> order(cells.size());
    std::iota(order.begin(), order.end(), size_t{0});
    if (descending)
        std::stable_sort(order.begin(), order.end(),
                         [&](size_t a, size_t b) { return less(b, a); });
    else
        std::stable_sort(order.begin(), order.end(), less);
    return order;
}

} // namespace mtp::tk
