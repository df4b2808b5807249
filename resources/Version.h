/* The program's own version, written into every report as
   SYSTEM/CONNECTEDPROGRAMVER and shown in each program's version information.
   Included by the resource scripts and by C++. */
#ifndef BRENLO_RESOURCES_VERSION_H
#define BRENLO_RESOURCES_VERSION_H

#define IDS_PROGRAM_VERSION 1
#define BRENLO_PROGRAM_VERSION "21.01.01"
#define BRENLO_PROGRAM_VERSION_NUMBERS 21, 1, 1, 0

#endif
