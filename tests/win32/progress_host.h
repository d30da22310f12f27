/* Resource identifiers of the text progress bar tests' host dialog. */
#ifndef TARNOVELL_PROGRESS_HOST_H
#define TARNOVELL_PROGRESS_HOST_H

#define IDD_PROGRESS_HOST   200
#define IDC_PROGRESS_BAR    1000

#endif
