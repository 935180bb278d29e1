#pragma once

class FormMainView;
class TFormMain;

// Gives every page that has logic its view in the main window.
void attachPageViews(TFormMain& logic, FormMainView& window);
