#pragma once

// Settings of the scene that must be made once, after the application
// object exists and before the window with its view is built.
//
// Renderer: the software scene graph unless the environment names another
// one (QT_QUICK_BACKEND, or QSG_RHI_BACKEND for a hardware API). Measured
// with k7config-scenebench: on machines without a GPU it starts faster and
// lighter than OpenGL drawn by a software rasteriser, and the scene is a
// few flat pictures that need nothing more.
//
// Fonts: the scene asks for "微软雅黑"; where that family is missing, the
// common CJK families stand in, so Chinese texts never show as boxes.
void prepareScene();
