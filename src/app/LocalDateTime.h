#pragma once

// A calendar date and time of day, as the computer's clock gives it.
struct LocalDateTime {
    int year = 2000;
    int month = 1;
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

LocalDateTime LocalNow();
