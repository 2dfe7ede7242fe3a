#pragma once
// The controls a form holds: labels, text fields, drop-down lists, buttons,
// picture boxes and rectangle shapes. One plain struct for all kinds; the
// program keeps the Control objects (as globals or in its own struct), fills
// in the fields that apply to the kind and hands each to FormAddControl.
// Controls are added in tab order.
#include "forms/form.h"

enum ControlKind {
    kLabel,     // static text; click handler; colours; optional border
    kTextField, // single-line edit; change handler
    kDropDown,  // drop-down list, choose only; change handler (selection change)
    kButton,    // push button; click handler; default (Enter) or cancel (Esc)
    kPicture,   // shows a bitmap; a tab stop
    kShape,     // rectangle outline drawn on the form, transparent inside
};

enum LabelAlignment { kAlignLeft, kAlignCentre };

typedef void (*ControlHandler)(Control* control);

struct Control {
    ControlKind kind = kLabel;
    int left = 0, top = 0, width = 0, height = 0; // twips, in the form's client area
    const char* text = "";                        // initial text (label, text field, button)
    int index = 0; // element index in a control array (lblnumber(0..30))

    // Labels and shapes: colours (RGB() or SystemColor()); labels: layout.
    COLORREF foreColor = SystemColor(COLOR_BTNTEXT);
    COLORREF backColor = SystemColor(COLOR_BTNFACE);
    LabelAlignment alignment = kAlignLeft;
    bool border = false; // labels: single-line border
    bool visible = true;

    // Buttons.
    bool isDefault = false;
    bool isCancel = false;

    // Picture boxes.
    HBITMAP bitmap = nullptr; // drawn at the top left; not owned

    ControlHandler click = nullptr;  // labels, buttons
    ControlHandler change = nullptr; // text fields, drop-down lists, labels (text change)
    ControlHandler validate =
        nullptr; // text fields: the user left the field or pressed Enter in it

    // Set by FormAddControl.
    Form* form = nullptr;
    HWND hwnd = nullptr; // null for shapes
    HBRUSH backBrush = nullptr;
};

// Creates the control's window on the form. False when the form is full or
// the window cannot be created.
bool FormAddControl(Form* form, Control* control);

// Text of labels, text fields, buttons and the chosen item of a drop-down
// list, cut to fit the buffer.
void ControlGetText(const Control* control, char* buffer, int size);
// Sets the text; on a label whose text changes, the change handler runs.
void ControlSetText(Control* control, const char* text);
void ControlSetVisible(Control* control, bool visible);

// Labels.
void LabelSetBorder(Control* label, bool border);

// Drop-down lists. Setting the list index to a different position runs the
// change handler, as a choice by the user does; -1 clears the choice.
void ListAddItem(Control* list, const char* text);
int ListGetIndex(const Control* list);
void ListSetIndex(Control* list, int index);
