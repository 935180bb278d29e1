#pragma once

// One relay of a general page: the round lamp and the contact picture under it.
struct RelayLamp {
    enum class Contact { None, Open, Closed };
    static constexpr unsigned kLit = 0xFF0000;  // red
    static constexpr unsigned kDark = 0x000000; // black

    unsigned lamp = kDark;
    Contact picture = Contact::None;

    static RelayLamp closedIf(bool closed)
    {
        return {closed ? kLit : kDark, closed ? Contact::Closed : Contact::Open};
    }
};
