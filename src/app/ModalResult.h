#pragma once

// How a modal dialog ended; the numbers are those the opening screens test.
enum ModalResult : int {
    mrNone = 0,
    mrOk = 1,
    mrCancel = 2,
    mrYes = 6,
    mrUdp = 10, // the network dialog's UDP button
};
