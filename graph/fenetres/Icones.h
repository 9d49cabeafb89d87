#pragma once
// The pictures of the plotter's tool bar, drawn here rather than shipped,
// sharp at every scale of the screen.
#include <QIcon>

QIcon IconeOutil(const char* nom);
