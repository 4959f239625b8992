// The painters: free functions that generate every widget face pixel by
// pixel from the colour theme. Each one with the painter signature does
// nothing for a width or height below 1, otherwise resizes the image to the
// requested size when it differs and then writes its pixels.
#pragma once

#include "framework/compose/NVImage.h"

// Push button faces (also the scroll bar thumb): normal, pointer over, pressed.
void paintButtonFace(NVImage* image, int width, int height, int param);
void paintButtonFaceHover(NVImage* image, int width, int height, int param);
void paintButtonFacePressed(NVImage* image, int width, int height, int param);

// Not a painter: washes every non-transparent pixel of an already painted
// image toward the background colour (the disabled state).
void dimToBackground(NVImage* image, int width, int height);

// Plain fills: the label background and the list view editor faces.
void fillBackground(NVImage* image, int width, int height, int param);
void fillMain2(NVImage* image, int width, int height, int param);

// Scroll bar track and its up and down buttons in three states.
void paintScrollTrack(NVImage* image, int width, int height, int param);
void paintScrollUp(NVImage* image, int width, int height, int param);
void paintScrollUpHover(NVImage* image, int width, int height, int param);
void paintScrollUpPressed(NVImage* image, int width, int height, int param);
void paintScrollDown(NVImage* image, int width, int height, int param);
void paintScrollDownHover(NVImage* image, int width, int height, int param);
void paintScrollDownPressed(NVImage* image, int width, int height, int param);

// Selector highlight and text box frames without and with focus.
void paintSelectorMark(NVImage* image, int width, int height, int param);
void paintTextBoxFrame(NVImage* image, int width, int height, int param);
void paintTextBoxFrameFocused(NVImage* image, int width, int height, int param);

// The framework-drawn window frame, menu bar and drop-down. These write only
// the colour channels, so every pixel keeps its alpha.
void paintFrameTop(NVImage* image, int width, int height, int param);
void paintFrameLeft(NVImage* image, int width, int height, int param);
void paintFrameRight(NVImage* image, int width, int height, int param);
void paintFrameBottom(NVImage* image, int width, int height, int param);
void paintMenuBar(NVImage* image, int width, int height, int param);
void paintDropDown(NVImage* image, int width, int height, int param);
