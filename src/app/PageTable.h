#pragma once

#include "app/PageId.h"

#include <span>
#include <string>
#include <string_view>

class MainWindow;

// A page that `qlx700 --demo --open MODEL:PAGE` can open: the model, the page's name
// (what its icon means, in English), the page shown in the client area and, for a
// separate window, what opens that window from the page.
struct PageRow {
    int deviceType;
    std::string_view name;
    PageId page;
    void (*openWindow)(MainWindow&) = nullptr;
};

// One row per page that exists; a page joins the table when it is built.
std::span<const PageRow> pageTable();
// "T:general", "T:serial", ...
std::string pageRowName(const PageRow& row);
// Every row's name, separated by blanks.
std::string pageRowNames();
// The row of "MODEL[:PAGE]" (PAGE defaults to general; case does not matter). Null,
// with a one-line reason listing the valid names in `error`, for a name that is
// unknown or whose page does not exist for that model.
const PageRow* findPageRow(std::string_view text, std::string& error);
