#pragma once

// The decimal separator of the system's locale, which the pages show numbers with;
// "." when the locale's is not one plain character.
char systemDecimalSeparator();
