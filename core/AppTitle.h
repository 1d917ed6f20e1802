#pragma once

#include <QString>

// The product name: the caption of both windows.
inline constexpr char ProductName[] = "Tessaline";
inline constexpr char CompanyName[] = "Marrowfen";
inline constexpr char VersionText[] = "7.00";

// Cuts a title back at spaces until it is at most 40 characters long.
QString shortenedTitle(QString title);

// Sets the application title (the product name, shortened) that message
// boxes without a caption of their own show.
void SetAppTitle();

// The application title; empty until SetAppTitle has run.
QString appTitle();
