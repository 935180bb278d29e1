#pragma once

// One relay of a general page: the round lamp and the contact picture under it.
struct RelayLamp {
    enum class Contact { None, Open, Closed };
    unsigned lamp = 0x000000; // black or red
    Contact picture = Contact::None;

    static RelayLamp closedIf(bool closed)
    {
        return {closed ? 0xFF0000u : 0x000000u, closed ? Contact::Closed : Contact::Open};
    }
};
