#pragma once

// A check or price of a table row that reads arguments of the row's own
// beside the record: a function of the type the row's column holds.
template <auto Function, auto... Arguments, class... Read>
auto WithArguments(Read&... read)
{
    return Function(read..., Arguments...);
}
