/* Ids of the program's resources and of the About window's controls.
   Plain #defines so that the resource compiler can read them as well. */
#ifndef KRUGOLET_RESOURCE_IDS_H
#define KRUGOLET_RESOURCE_IDS_H

#define IDI_KRUGOLET 9012 /* the program's icon */
#define IDB_STAR 10022    /* eight-pointed star with the solar sign, 190 x 190 */
#define IDB_EAGLE 10023   /* double-headed eagle under the stars, 187 x 239 */

#define IDD_ABOUT 10000 /* dialog template of the About window */
#define IDC_ABOUT_OK 1
#define IDC_ABOUT_LINE1 10001
#define IDC_ABOUT_LINE2 10002
#define IDC_ABOUT_LINE3 10003
#define IDC_ABOUT_LINE4 10004
#define IDC_ABOUT_FRAME 10005
#define IDC_ABOUT_TEXT 10006

#endif
