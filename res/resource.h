/* Resource identifiers of Tarnovell.
   Included by the C++ sources and by tarnovell.rc, so it holds #defines only. */

#ifndef TARNOVELL_RESOURCE_H
#define TARNOVELL_RESOURCE_H

/* About box */
#define IDD_ABOUTBOX            100
#define IDS_ABOUTBOX            101     /* text of the about entry in the system menu */

/* Main window: the strip with the progress bar, the icon buttons and the stopwatch */
#define IDD_TIMER_DIALOG        102
#define IDC_PROGRESS            1000    /* text progress bar */
#define IDC_SETTINGS            1002    /* opens the settings dialog */
#define IDC_CAPTION             1003    /* compact/expanded toggle */
#define IDC_START               1004    /* countdown start/pause */
#define IDC_NEXT                1005    /* next phase */
#define IDC_STOPWATCH_TEXT      1006    /* stopwatch display "00:00:00" */
#define IDC_STOPWATCH_START     1007    /* stopwatch start/stop */
#define IDC_STOPWATCH_RESET     1008    /* stopwatch reset */
/* the exit button is IDOK (1); each icon button's name, its window text and tooltip, is the
   string with the button's id */
#define IDM_ABOUTBOX            0x0010  /* system-menu entry of the about box */
/* The strip's own menu: one entry per chord action, in the order of section TASTEN, then the
   switch of all chords; each entry's text is the string with its id */
#define IDM_CHORD_START_PAUSE   0x0020
#define IDM_CHORD_NEXT          0x0021
#define IDM_CHORD_STOPWATCH     0x0022
#define IDM_CHORD_SHOW_HIDE     0x0023
#define IDM_CHORDS_ACTIVE       0x0024
/* ... and the switches of section ARBEITSTAG */
#define IDM_AWAY_FULL_SCREEN    0x0025
#define IDM_AWAY_LOCK           0x0026
/* ... and, after the chord actions, the status told to a screen reader */
#define IDM_SPEAK_REMAINING     0x0027
#define IDS_CHORD_TAKEN         1101    /* follows a chord that another program holds */
#define IDS_CHORD_ALTGR         1102    /* follows a chord that types an AltGr character */
#define IDS_CHORD_DOUBLED       1103    /* follows a chord that an action above has */

/* Icons */
#define IDR_MAINFRAME           128     /* hourglass: window icon, about box */
#define IDI_CAPTION_UP          130     /* triangle up: toggle in the expanded form */
#define IDI_CAPTION_DOWN        131     /* triangle down: toggle in the compact form */
#define IDI_PAUSE               132     /* two bars: countdown or stopwatch running */
#define IDI_START               133     /* green triangle: countdown or stopwatch stopped */
#define IDI_NEXT                134     /* two triangles: next phase */
#define IDI_SETTINGS            135     /* wrench: settings */
#define IDI_EXIT                136     /* white cross on dark red: exit */
#define IDI_RESET               137     /* ring: stopwatch reset */
#define IDI_EXIT_GLYPH          138     /* the exit's cross alone, whose mask is its one-colour glyph */

/* Settings dialog */
#define IDD_SETTINGS            129
#define IDC_WORK_TEXT           1014    /* display of the work-unit minutes */
#define IDC_SHORT_TEXT          1015    /* display of the short-pause minutes */
#define IDC_LONG_TEXT           1016    /* display of the long-pause minutes */
#define IDC_UNITS_TEXT          1017    /* display of the units before a long pause */
#define IDC_WORK_PLUS           1018
#define IDC_WORK_MINUS          1019
#define IDC_SHORT_PLUS          1020
#define IDC_SHORT_MINUS         1021
#define IDC_LONG_PLUS           1022
#define IDC_LONG_MINUS          1023
#define IDC_UNITS_PLUS          1024
#define IDC_UNITS_MINUS         1025
#define IDC_STOPWATCH_CHECK     1026    /* "Stoppuhr verwenden" */
#define IDC_ALARM_EDIT          1028    /* path of the alarm wave file */
#define IDC_BROWSE              1029    /* "Durchsuchen" */
#define IDS_ALARM_NAME_NOT_KEPT 1100    /* a picked file whose name the settings file cannot hold */
/* ... its group "Ablauf": the keys of section ABLAUF */
#define IDC_PAUSE_BY_SELF       1030    /* "Pause beginnt von selbst" */
#define IDC_UNIT_BY_SELF        1031    /* "Arbeitseinheit beginnt von selbst" */
#define IDC_UNIT_AT_INPUT       1032    /* "... oder mit der ersten Eingabe", only while 1031 is off */
#define IDC_REPEAT_EDIT         1033    /* seconds between the alarm's repeats */
#define IDC_REPEAT_SPIN         1034    /* its up-down control */
#define IDC_WARNING_EDIT        1035    /* minutes of the warning before a phase's end */
#define IDC_WARNING_SPIN        1036    /* its up-down control */
#define IDC_LEVEL               1037    /* trackbar of the sounds' level; its release plays the alarm */
#define IDC_PAUSE_ALARM_EDIT    1038    /* path of the wave file at a pause's end */
#define IDC_PAUSE_BROWSE        1039    /* its "Durchsuchen" */
#define IDC_START_AT_ONCE       1040    /* the countdown starts with the program */

#endif /* TARNOVELL_RESOURCE_H */
