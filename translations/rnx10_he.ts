<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="he_IL">
<context>
    <name>Accessibility</name>
    <message>
        <source>vertical scroll bar</source>
        <translation>פס גלילה אנכי</translation>
    </message>
    <message>
        <source>horizontal scroll bar</source>
        <translation>פס גלילה אופקי</translation>
    </message>
    <message>
        <source>vertical scroll bar area</source>
        <translation>אזור פס הגלילה האנכי</translation>
    </message>
    <message>
        <source>horizontal scroll bar area</source>
        <translation>אזור פס הגלילה האופקי</translation>
    </message>
    <message>
        <source>column headers</source>
        <translation>כותרות עמודות</translation>
    </message>
    <message>
        <source>row headers</source>
        <translation>כותרות שורות</translation>
    </message>
    <message>
        <source>view area</source>
        <translation>אזור התצוגה</translation>
    </message>
    <message>
        <source>progress bar</source>
        <translation>מחוון התקדמות</translation>
    </message>
    <message>
        <source>menu</source>
        <translation>תפריט</translation>
    </message>
    <message>
        <source>pop-up</source>
        <translation>חלון מוקפץ</translation>
    </message>
    <message>
        <source>list</source>
        <translation>רשימה</translation>
    </message>
    <message>
        <source>entry field</source>
        <translation>שדה קלט</translation>
    </message>
    <message>
        <source>button</source>
        <translation>לחצן</translation>
    </message>
    <message>
        <source>part</source>
        <translation>חלק</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1, %2</translation>
    </message>
</context>
<context>
    <name>AutomationError</name>
    <message>
        <source>Invalid procedure call or argument</source>
        <translation>קריאה לא חוקית לפרוצדורה או ארגומנט לא חוקי</translation>
    </message>
    <message>
        <source>File not found</source>
        <translation>הקובץ לא נמצא</translation>
    </message>
    <message>
        <source>File already exists</source>
        <translation>הקובץ כבר קיים</translation>
    </message>
    <message>
        <source>Permission denied</source>
        <translation>ההרשאה נדחתה</translation>
    </message>
    <message>
        <source>Path/File access error</source>
        <translation>שגיאת גישה לנתיב/לקובץ</translation>
    </message>
    <message>
        <source>Path not found</source>
        <translation>הנתיב לא נמצא</translation>
    </message>
    <message>
        <source>Object variable or With block variable not set</source>
        <translation>משתנה אובייקט או משתנה בלוק With לא הוגדר</translation>
    </message>
    <message>
        <source>Component can&apos;t create object</source>
        <translation>הרכיב אינו יכול ליצור אובייקט</translation>
    </message>
    <message>
        <source>No display is available</source>
        <translation>אין תצוגה זמינה</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>LICENSES</source>
        <translation>רישיונות</translation>
    </message>
</context>
<context>
    <name>Placeholder</name>
    <message>
        <source>The KEV tool is not part of this installation; this is its placeholder.</source>
        <translation>הכלי KEV אינו חלק מהתקנה זו; זהו ממלא המקום שלו.</translation>
    </message>
    <message>
        <source>The QRS tool is not part of this installation; this is its placeholder.</source>
        <translation>הכלי QRS אינו חלק מהתקנה זו; זהו ממלא המקום שלו.</translation>
    </message>
</context>
<context>
    <name>ProgressRunner</name>
    <message>
        <source>%L1 entries, %L2 MB</source>
        <translation>%L1 פריטים, %L2 MB</translation>
    </message>
    <message>
        <source> - stopping...</source>
        <translation> - עוצר...</translation>
    </message>
</context>
<context>
    <name>QGuiApplication</name>
    <message>
        <source>QT_LAYOUT_DIRECTION</source>
        <translation>RTL</translation>
    </message>
</context>
<context>
    <name>QuickBackup</name>
    <message>
        <source>Do you want to start backup operations click yes this screen will automatically close., it may take long time depends upon your speed of computer.</source>
        <translation>האם להתחיל בפעולות הגיבוי? לחצו על &apos;כן&apos; ומסך זה ייסגר אוטומטית. הפעולה עשויה להימשך זמן רב, בהתאם למהירות המחשב.</translation>
    </message>
    <message>
        <source>Proceed...</source>
        <translation>המשך...</translation>
    </message>
    <message>
        <source>Taking registry Backup</source>
        <translation>מבצע גיבוי של הרישום</translation>
    </message>
    <message>
        <source>Taking shell Backup</source>
        <translation>מבצע גיבוי של המעטפת</translation>
    </message>
</context>
<context>
    <name>RecoverJobs</name>
    <message>
        <source>Files were compared by size and modification time, not by their contents.</source>
        <translation>הקבצים הושוו לפי גודל וזמן שינוי, לא לפי תוכנם.</translation>
    </message>
    <message>
        <source>Comparing...</source>
        <translation>משווה...</translation>
    </message>
    <message>
        <source>Comparing %1
with %2</source>
        <translation>משווה את %1
עם %2</translation>
    </message>
    <message>
        <source>not known: the comparison was stopped</source>
        <translation>לא ידוע: ההשוואה הופסקה</translation>
    </message>
    <message>
        <source>not known: %1</source>
        <translation>לא ידוע: %1</translation>
    </message>
    <message>
        <source>Restore To...</source>
        <translation>שחזור אל...</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>משחזר...</translation>
    </message>
    <message>
        <source>Copying %1
into %2</source>
        <translation>מעתיק את %1
אל %2</translation>
    </message>
    <message>
        <source>Restored as %1</source>
        <translation>שוחזר בתור %1</translation>
    </message>
    <message>
        <source>%1 only in the current folder (a restore removes them)
%2 only in the archive (a restore brings them back)
%3 in both but different (a restore puts the archive&apos;s back)</source>
        <translation>%1 רק בתיקייה הנוכחית (שחזור מסיר אותם)
%2 רק בארכיון (שחזור מחזיר אותם)
%3 בשניהם אך שונים (שחזור מחזיר את אלה שבארכיון)</translation>
    </message>
    <message>
        <source>What the restore changes in %1:
%2

%3</source>
        <translation>מה השחזור משנה ב-%1:
%2

%3</translation>
    </message>
    <message>
        <source>The current folder is moved to the desktop trash, from where it can be put back.</source>
        <translation>התיקייה הנוכחית מועברת לאשפה של שולחן העבודה, ומשם ניתן להחזיר אותה.</translation>
    </message>
    <message>
        <source>No trash on the current folder&apos;s file system can take it: the current folder is deleted for good.</source>
        <translation>אין אשפה במערכת הקבצים של התיקייה הנוכחית שיכולה לקבל אותה: התיקייה הנוכחית נמחקת לצמיתות.</translation>
    </message>
    <message>
        <source>There is no current folder: the restore creates it.</source>
        <translation>אין תיקייה נוכחית: השחזור יוצר אותה.</translation>
    </message>
    <message>
        <source>The replaced folder is in the desktop trash as %1.</source>
        <translation>התיקייה שהוחלפה נמצאת באשפה של שולחן העבודה בשם %1.</translation>
    </message>
    <message>
        <source>No trash on its file system could take the replaced folder: it was deleted.</source>
        <translation>אין אשפה במערכת הקבצים שלה שיכלה לקבל את התיקייה שהוחלפה: היא נמחקה.</translation>
    </message>
    <message>
        <source>Not restored (sockets and devices are never copied):
%1</source>
        <translation>לא שוחזרו (שקעים והתקנים לעולם אינם מועתקים):
%1</translation>
    </message>
</context>
<context>
    <name>ScheduleHealth</name>
    <message>
        <source>The cron daemon is not running: scheduled backups do not start.</source>
        <translation>שירות cron אינו פועל: גיבויים מתוזמנים אינם מתחילים.</translation>
    </message>
    <message>
        <source>atd is not running: the backups queued with at do not start.</source>
        <translation>atd אינו פועל: גיבויים שהוכנסו לתור עם at אינם מתחילים.</translation>
    </message>
    <message>
        <source>crontab is not installed (not found on PATH): backups cannot repeat.</source>
        <translation>crontab אינו מותקן (לא נמצא ב-PATH): גיבויים אינם יכולים לחזור על עצמם.</translation>
    </message>
    <message>
        <source>at is not installed (not found on PATH): backups cannot be queued once.</source>
        <translation>at אינו מותקן (לא נמצא ב-PATH): לא ניתן להכניס לתור גיבוי חד-פעמי.</translation>
    </message>
    <message>
        <source>There is no backup of this computer yet.</source>
        <translation>עדיין אין גיבוי של מחשב זה.</translation>
    </message>
    <message numerus="yes">
        <source>No backup for %n days.</source>
        <translation>
            <numerusform>אין גיבוי כבר יום אחד.</numerusform>
            <numerusform>אין גיבוי כבר %n ימים.</numerusform>
        </translation>
    </message>
    <message>
        <source>The schedule cannot be read: %1</source>
        <translation>לא ניתן לקרוא את התזמון: %1</translation>
    </message>
    <message>
        <source>The queued job %1 was due at %2 and has not run.</source>
        <translation>המשימה %1 שבתור הייתה אמורה לרוץ ב־%2 ולא רצה.</translation>
    </message>
    <message>
        <source>A backup is dated in the future, %1: the clock was wrong when it was made.</source>
        <translation>גיבוי מתוארך לעתיד, %1: השעון היה שגוי כשנוצר.</translation>
    </message>
    <message>
        <source>the last backup failed at %1: %2</source>
        <translation>הגיבוי האחרון נכשל ב־%1: %2</translation>
    </message>
</context>
<context>
    <name>ScheduledTaskService</name>
    <message>
        <source>cron %1</source>
        <translation>cron %1</translation>
    </message>
    <message>
        <source>every %1 at %2</source>
        <translation>בכל %1 בשעה %2</translation>
    </message>
</context>
<context>
    <name>SearchFeed</name>
    <message>
        <source>the search cannot start now: %1</source>
        <translation>לא ניתן להתחיל את החיפוש כעת: %1</translation>
    </message>
</context>
<context>
    <name>StoreThinning</name>
    <message>
        <source>another thinning of %1 is running; try again when it has finished</source>
        <translation>דילול אחר של %1 פועל; נסו שוב כשיסתיים</translation>
    </message>
</context>
<context>
    <name>TellFailure</name>
    <message>
        <source>unexpected failure</source>
        <translation>כשל בלתי צפוי</translation>
    </message>
</context>
<context>
    <name>ThinningRule</name>
    <message>
        <source>a thinning rule whose five numbers are all 0 would delete every run but the newest; nothing was deleted</source>
        <translation>כלל דילול שכל חמשת המספרים בו הם 0 היה מוחק כל הרצה מלבד החדשה ביותר; דבר לא נמחק</translation>
    </message>
</context>
<context>
    <name>backuptool</name>
    <message>
        <source>the run is not logged: %1</source>
        <translation>ההרצה אינה נרשמת ביומן: %1</translation>
    </message>
    <message>
        <source>See %1</source>
        <translation>ראו %1</translation>
    </message>
    <message>
        <source>Backup failed: %1</source>
        <translation>הגיבוי נכשל: %1</translation>
    </message>
    <message>
        <source>usage: %1 [--at HH:MM]</source>
        <translation>שימוש: %1 [--at HH:MM]</translation>
    </message>
    <message>
        <source>the log folder is not an absolute folder: &quot;%1&quot;</source>
        <translation>תיקיית היומן אינה נתיב מוחלט: &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>rnx.exe</name>
    <message>
        <source>Zorvane Support Center</source>
        <translation>מרכז התמיכה של Zorvane</translation>
    </message>
    <message>
        <source>Render the window to &lt;file&gt; (PNG) and quit.</source>
        <extracomment>&quot;&lt;file&gt;&quot; is the option&apos;s value, &quot;file&quot; below: translate both alike.</extracomment>
        <translation>שמירת החלון כתמונה ב-&lt;קובץ&gt; (PNG) ויציאה.</translation>
    </message>
    <message>
        <source>file</source>
        <extracomment>The value of --screenshot, as the help shows it: &lt;file&gt;.</extracomment>
        <translation>קובץ</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>שגיאה %1: %2</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>לא ניתן לכתוב את %1</translation>
    </message>
</context>
<context>
    <name>rnx10</name>
    <message>
        <source>start the QRS tool, ZVENVSYS32MASK/1.0/Sys/tvqs.exe (error 53 when missing)</source>
        <translation>הפעלת הכלי QRS, ZVENVSYS32MASK/1.0/Sys/tvqs.exe (שגיאה 53 כשהוא חסר)</translation>
    </message>
    <message>
        <source>open the downloads page, ZVENVSTRDNWEB, with xdg-open</source>
        <translation>פתיחת דף ההורדות, ZVENVSTRDNWEB, באמצעות xdg-open</translation>
    </message>
    <message>
        <source>nothing</source>
        <translation>לא עושה דבר</translation>
    </message>
    <message>
        <source>open the shop page, ZVENVSTRBUY, with xdg-open</source>
        <translation>פתיחת דף החנות, ZVENVSTRBUY, באמצעות xdg-open</translation>
    </message>
    <message>
        <source>the backup archive browser; the host serves it until it is closed</source>
        <translation>דפדפן ארכיוני הגיבוי; התוכנית המארחת מפעילה אותו עד שייסגר</translation>
    </message>
    <message>
        <source>open the BRINDLEX site, ZVENVSTRBRINDLEX, with xdg-open</source>
        <translation>פתיחת אתר BRINDLEX, ZVENVSTRBRINDLEX, באמצעות xdg-open</translation>
    </message>
    <message>
        <source>the updates notice</source>
        <translation>הודעת העדכונים</translation>
    </message>
    <message>
        <source>every environment key, its value and its source (on standard error without a display)</source>
        <translation>כל מפתחות הסביבה, ערכיהם ומקורם (בפלט השגיאה התקני כשאין תצוגה)</translation>
    </message>
    <message>
        <source>the registry navigator</source>
        <translation>נווט הרישום</translation>
    </message>
    <message>
        <source>open the program folder, ZVENVSYS32MASK/1.0/Sys, with xdg-open</source>
        <translation>פתיחת תיקיית התוכניות, ZVENVSYS32MASK/1.0/Sys, באמצעות xdg-open</translation>
    </message>
    <message>
        <source>start the KEV tool, ZVENVSYS32MASK/1.0/Sys/kev.exe (nothing when missing)</source>
        <translation>הפעלת הכלי KEV, ZVENVSYS32MASK/1.0/Sys/kev.exe (לא עושה דבר כשהוא חסר)</translation>
    </message>
    <message>
        <source>the maintenance dialog: log and temporary-file cleanup, quick backup</source>
        <translation>חלון התחזוקה: ניקוי קובצי יומן וקבצים זמניים, גיבוי מהיר</translation>
    </message>
    <message>
        <source>the &quot;LICENSES&quot; message box</source>
        <translation>תיבת ההודעה &quot;רישיונות&quot;</translation>
    </message>
    <message>
        <source>usage: rnx10 RunSupportCenter
       rnx10 ExecuteSupportCenter KEY [A [B [C [D]]]]
       rnx10 RunBackupComputer
       rnx10 --help
</source>
        <translation>שימוש: rnx10 RunSupportCenter
       rnx10 ExecuteSupportCenter מפתח [A [B [C [D]]]]
       rnx10 RunBackupComputer
       rnx10 --help
</translation>
    </message>
    <message>
        <source>Calls one method of the Zorvane support-centre component (librnx10).</source>
        <translation>קורא לשיטה אחת של רכיב מרכז התמיכה של Zorvane (librnx10).</translation>
    </message>
    <message>
        <source>start the support-centre program, ZVENVSYS32MASK/1.0/sys/rnx.exe</source>
        <translation>הפעלת תוכנית מרכז התמיכה, ZVENVSYS32MASK/1.0/sys/rnx.exe</translation>
    </message>
    <message>
        <source>record the time in ZVENVSLOGS/bar.ini and start regbak.exe and shellbak.exe</source>
        <translation>רישום השעה ב-ZVENVSLOGS/bar.ini והפעלת regbak.exe ו-shellbak.exe</translation>
    </message>
    <message>
        <source>run the command named by KEY (exact, case-sensitive); A to D are accepted
and not used</source>
        <translation>הרצת הפקודה שהמפתח מציין (בהתאמה מדויקת, תלוי רישיות); A עד D מתקבלים
ואינם בשימוש</translation>
    </message>
    <message>
        <source>Command keys:</source>
        <translation>מפתחות פקודה:</translation>
    </message>
    <message>
        <source>Keys marked [window] need a display (DISPLAY, WAYLAND_DISPLAY or QT_QPA_PLATFORM); without one
they fail with error 406. An unknown key does nothing and is no error.</source>
        <extracomment>&quot;[window]&quot; is the mark the list above puts before these keys: keep it as it is.</extracomment>
        <translation>מפתחות המסומנים [window] דורשים תצוגה (DISPLAY, WAYLAND_DISPLAY או QT_QPA_PLATFORM); בלעדיה
הם נכשלים עם שגיאה 406. מפתח לא מוכר אינו עושה דבר ואינו נחשב שגיאה.</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 on an error, printed as &quot;rnx10: error N: DESCRIPTION&quot;; 2 on wrong usage.</source>
        <translation>מצב יציאה: 0 בהצלחה; 1 בשגיאה, המודפסת כ-&quot;rnx10: error N: תיאור&quot;; 2 בשימוש שגוי.</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a command key, nothing was done (see rnx10 --help)</source>
        <translation>&quot;%1&quot; אינו מפתח פקודה, לא בוצע דבר (ראו rnx10 --help)</translation>
    </message>
</context>
<context>
    <name>rnx10-store</name>
    <message>
        <source>ARCHIVE-FOLDER [--content]</source>
        <translation>תיקיית-ארכיון [--content]</translation>
    </message>
    <message>
        <source>the run log cannot be written: %1</source>
        <translation>לא ניתן לכתוב את יומן ההרצה: %1</translation>
    </message>
    <message>
        <source>Catching up a missed backup</source>
        <translation>משלים גיבוי שהוחמץ</translation>
    </message>
    <message>
        <source>The scheduled job %1 did not run at %2 while the computer was off; it runs now.</source>
        <translation>המשימה המתוזמנת %1 לא רצה ב-%2 כי המחשב היה כבוי; היא רצה כעת.</translation>
    </message>
    <message numerus="yes">
        <source>No backup for %n days</source>
        <translation>
            <numerusform>אין גיבוי כבר יום אחד</numerusform>
            <numerusform>אין גיבוי כבר %n ימים</numerusform>
        </translation>
    </message>
    <message>
        <source>The newest backup of this computer was made on %1 and no backup is scheduled.</source>
        <translation>הגיבוי האחרון של מחשב זה נעשה ב-%1, ואין גיבוי מתוזמן.</translation>
    </message>
    <message>
        <source>no arguments</source>
        <extracomment>After &quot;expected&quot;.</extracomment>
        <translation>ללא ארגומנטים</translation>
    </message>
    <message>
        <source>%1 needs a value</source>
        <translation>%1 דורש ערך</translation>
    </message>
    <message>
        <source>unknown option %1</source>
        <translation>אפשרות לא מוכרת %1</translation>
    </message>
    <message>
        <source>expected %1</source>
        <translation>צפוי: %1</translation>
    </message>
    <message>
        <source>ARCHIVE-FOLDER</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>תיקיית-ארכיון</translation>
    </message>
    <message>
        <source>%1 takes a day as YYYY-MM-DD, not &quot;%2&quot;</source>
        <translation>%1 מקבל יום בפורמט YYYY-MM-DD, לא &quot;%2&quot;</translation>
    </message>
    <message>
        <source>--from is after --to</source>
        <translation>הערך של --from מאוחר מהערך של --to</translation>
    </message>
    <message>
        <source>PATTERN</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>תבנית</translation>
    </message>
    <message>
        <source>PATTERN is empty</source>
        <translation>התבנית ריקה</translation>
    </message>
    <message>
        <source>--now &quot;%1&quot; is not a time &apos;YYYY-MM-DD HH:MM&apos;</source>
        <translation>--now &quot;%1&quot; אינו זמן בפורמט &apos;YYYY-MM-DD HH:MM&apos;</translation>
    </message>
    <message>
        <source>PATH TARGET-FOLDER</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>נתיב תיקיית-יעד</translation>
    </message>
    <message>
        <source>PATTERN [--from YYYY-MM-DD] [--to YYYY-MM-DD] [-0]</source>
        <translation>תבנית [--from YYYY-MM-DD] [--to YYYY-MM-DD] [-0]</translation>
    </message>
    <message>
        <source>files and folders named like PATTERN in every archive&apos;s copy, newest first</source>
        <translation>קבצים ותיקיות ששמם תואם לתבנית, בעותק של כל ארכיון, מהחדש לישן</translation>
    </message>
    <message>
        <source>PATH</source>
        <extracomment>The argument names as the usage shows them, after &quot;expected&quot;.</extracomment>
        <translation>נתיב</translation>
    </message>
    <message>
        <source>every archive holding PATH, newest first, and whether it changed</source>
        <translation>כל ארכיון שמכיל את הנתיב, מהחדש לישן, והאם הוא השתנה</translation>
    </message>
    <message>
        <source>what restoring the archive would change in its source folder</source>
        <translation>מה שחזור הארכיון ישנה בתיקיית המקור שלו</translation>
    </message>
    <message>
        <source>copy an archive, or a file or folder of its copy, into another folder</source>
        <translation>העתקת ארכיון, או קובץ או תיקייה מהעותק שלו, לתיקייה אחרת</translation>
    </message>
    <message>
        <source>--within D --daily N --weekly N --monthly N --yearly N [--dry-run] [--now &apos;YYYY-MM-DD HH:MM&apos;]</source>
        <translation>--within D --daily N --weekly N --monthly N --yearly N [--dry-run] [--now &apos;YYYY-MM-DD HH:MM&apos;]</translation>
    </message>
    <message>
        <source>delete the runs (hour folders) the rule does not keep; print each, oldest first</source>
        <translation>מחיקת ההרצות (תיקיות השעה) שהכלל אינו שומר; הדפסת כל אחת, מהישנה לחדשה</translation>
    </message>
    <message>
        <source>[--now &apos;YYYY-MM-DD HH:MM&apos;]</source>
        <translation>[--now &apos;YYYY-MM-DD HH:MM&apos;]</translation>
    </message>
    <message>
        <source>the newest archive and its age, each scheduled job&apos;s next run, and warnings</source>
        <translation>הארכיון החדש ביותר וגילו, ההרצה הבאה של כל משימה מתוזמנת, ואזהרות</translation>
    </message>
    <message>
        <source>run once a scheduled backup that was missed while the computer was off</source>
        <translation>הרצה חד-פעמית של גיבוי מתוזמן שהוחמץ כשהמחשב היה כבוי</translation>
    </message>
    <message>
        <source>%1 is required</source>
        <translation>%1 נדרש</translation>
    </message>
    <message>
        <source>%1 takes a whole number of 0 or more, not &quot;%2&quot;</source>
        <translation>%1 מקבל מספר שלם, 0 או יותר, לא &quot;%2&quot;</translation>
    </message>
    <message>
        <source>no archive holds %1</source>
        <translation>אין ארכיון שמכיל את %1</translation>
    </message>
    <message>
        <source>usage: rnx10-store [--json] COMMAND [ARGS]</source>
        <translation>שימוש: rnx10-store [--json] פקודה [ארגומנטים]</translation>
    </message>
    <message>
        <source>not restored (a socket or device): %1</source>
        <translation>לא שוחזר (שקע או התקן): %1</translation>
    </message>
    <message>
        <source>The backup store of this computer (ZVENVSBAK/&lt;computer name&gt;) on the command line.</source>
        <translation>מאגר הגיבויים של מחשב זה (ZVENVSBAK/&lt;שם המחשב&gt;) בשורת הפקודה.</translation>
    </message>
    <message>
        <source>The store is found as the support centre finds it: the process environment, then
$XDG_CONFIG_HOME/zorvane/environment.ini, then the defaults.</source>
        <translation>המאגר נמצא כפי שמרכז התמיכה מוצא אותו: סביבת התהליך, אחריה
$XDG_CONFIG_HOME/zorvane/environment.ini, ולבסוף ברירות המחדל.</translation>
    </message>
    <message>
        <source>Output: one item a line; raw bytes when standard output is not a terminal, control
characters escaped when it is. --json prints the same items as one JSON array of objects
(bytes that are not UTF-8 as U+DC80 + byte).</source>
        <translation>פלט: פריט אחד בכל שורה; בתים גולמיים כשהפלט התקני אינו מסוף, ותווי בקרה
מוצגים כרצפי escape כשהוא מסוף. --json מדפיס את אותם פריטים כמערך JSON אחד של אובייקטים
(בתים שאינם UTF-8 בתור U+DC80 + הבית).</translation>
    </message>
    <message>
        <source>Exit status: 0 on success; 1 on an error, printed as &quot;rnx10-store: error N: DESCRIPTION&quot;;
2 on wrong usage.</source>
        <translation>מצב יציאה: 0 בהצלחה; 1 בשגיאה, המודפסת כ-&quot;rnx10-store: error N: תיאור&quot;;
2 בשימוש שגוי.</translation>
    </message>
    <message>
        <source>no command given</source>
        <translation>לא צוינה פקודה</translation>
    </message>
    <message>
        <source>unknown command &quot;%1&quot;</source>
        <translation>פקודה לא מוכרת &quot;%1&quot;</translation>
    </message>
</context>
<context>
    <name>rnx10::ActionPicture</name>
    <message>
        <source>Picture</source>
        <translation>תמונה</translation>
    </message>
</context>
<context>
    <name>rnx10::CompareWindow</name>
    <message>
        <source>! Not read</source>
        <translation>! לא נקרא</translation>
    </message>
    <message>
        <source>Compare the files&apos; contents too (&amp;reads every file)</source>
        <translation>השווה גם את תוכן הקבצים (&amp;קורא כל קובץ)</translation>
    </message>
    <message>
        <source>contents</source>
        <translation>תוכן</translation>
    </message>
    <message>
        <source>- Only in the current folder</source>
        <translation>- רק בתיקייה הנוכחית</translation>
    </message>
    <message>
        <source>+ Only in the archive</source>
        <translation>+ רק בארכיון</translation>
    </message>
    <message>
        <source>~ Different</source>
        <translation>~ שונה</translation>
    </message>
    <message>
        <source>a restore removes it</source>
        <translation>שחזור מסיר אותו</translation>
    </message>
    <message>
        <source>a restore brings it back</source>
        <translation>שחזור מחזיר אותו</translation>
    </message>
    <message>
        <source>link target</source>
        <translation>יעד הקישור</translation>
    </message>
    <message>
        <source>modification time</source>
        <translation>זמן השינוי</translation>
    </message>
    <message>
        <source>type</source>
        <translation>סוג</translation>
    </message>
    <message>
        <source>size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Compare with Current</source>
        <translation>השוואה לנוכחי</translation>
    </message>
    <message>
        <source>Archive: %1
Current folder: %2</source>
        <translation>ארכיון: %1
תיקייה נוכחית: %2</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>שינוי</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>נתיב</translation>
    </message>
    <message>
        <source>What differs</source>
        <translation>מה שונה</translation>
    </message>
    <message>
        <source>%1 only in the current folder, %2 only in the archive, %3 different</source>
        <translation>%1 רק בתיקייה הנוכחית, %2 רק בארכיון, %3 שונים</translation>
    </message>
    <message>
        <source>The current folder holds what the archive holds.</source>
        <translation>התיקייה הנוכחית מכילה את מה שהארכיון מכיל.</translation>
    </message>
</context>
<context>
    <name>rnx10::EnvironmentDialog</name>
    <message>
        <source>Zorvane Debugger - Environment (no display; configuration file: %1)</source>
        <translation>מאתר הבאגים של Zorvane - סביבה (אין תצוגה; קובץ תצורה: %1)</translation>
    </message>
    <message>
        <source>environment</source>
        <translation>סביבה</translation>
    </message>
    <message>
        <source>default</source>
        <translation>ברירת מחדל</translation>
    </message>
    <message>
        <source>Zorvane Debugger - Environment</source>
        <translation>מאתר הבאגים של Zorvane - סביבה</translation>
    </message>
    <message>
        <source>Environment keys as the suite resolves them now. Configuration file: %1</source>
        <translation>מפתחות הסביבה כפי שהחבילה מפענחת אותם כעת. קובץ תצורה: %1</translation>
    </message>
    <message>
        <source>Environment keys</source>
        <translation>מפתחות סביבה</translation>
    </message>
    <message>
        <source>Key</source>
        <translation>מפתח</translation>
    </message>
    <message>
        <source>Value</source>
        <translation>ערך</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>מקור</translation>
    </message>
</context>
<context>
    <name>rnx10::FindFilesWindow</name>
    <message>
        <source>Find Files</source>
        <translation>חיפוש קבצים</translation>
    </message>
    <message>
        <source>A name pattern: * any text, ? one character, [abc] one of them; case does not matter</source>
        <translation>תבנית שם: * כל טקסט, ? תו אחד, [abc] אחד מהם; אין הבדל בין אותיות רישיות לקטנות</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>&amp;שם:</translation>
    </message>
    <message>
        <source>F&amp;rom</source>
        <translation>&amp;מתאריך</translation>
    </message>
    <message>
        <source>&amp;To</source>
        <translation>&amp;עד</translation>
    </message>
    <message>
        <source>&amp;Find</source>
        <translation>&amp;חיפוש</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>ביטול</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;פתיחה</translation>
    </message>
    <message>
        <source>Open Fo&amp;lder</source>
        <translation>פתיחת &amp;תיקייה</translation>
    </message>
    <message>
        <source>&amp;Versions...</source>
        <translation>&amp;גרסאות...</translation>
    </message>
    <message>
        <source>Cancelled.</source>
        <translation>בוטל.</translation>
    </message>
    <message numerus="yes">
        <source>Searching... %n found</source>
        <translation>
            <numerusform>מחפש... נמצא פריט אחד</numerusform>
            <numerusform>מחפש... נמצאו %n</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n found</source>
        <translation>
            <numerusform>נמצא פריט אחד</numerusform>
            <numerusform>נמצאו %n</numerusform>
        </translation>
    </message>
    <message>
        <source>; 1 folder could not be read</source>
        <translation>; לא ניתן היה לקרוא תיקייה אחת</translation>
    </message>
    <message>
        <source>; %1 folders could not be read</source>
        <translation>; לא ניתן היה לקרוא %1 תיקיות</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <extracomment>%1 is how far the search came, %2 how it ended</extracomment>
        <translation>%1. %2</translation>
    </message>
    <message>
        <source>Date and Hour</source>
        <translation>תאריך ושעה</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>ארכיון</translation>
    </message>
    <message>
        <source>SourceDir</source>
        <translation>תיקיית מקור</translation>
    </message>
    <message>
        <source>Path in Copy</source>
        <translation>נתיב בעותק</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>תאריך שינוי</translation>
    </message>
    <message>
        <source>R&amp;estore To...</source>
        <translation>שחזור &amp;אל...</translation>
    </message>
    <message>
        <source>report*.odt</source>
        <translation>דוח*.odt</translation>
    </message>
</context>
<context>
    <name>rnx10::LockerSize</name>
    <message>
        <source>the size cannot be measured now: %1</source>
        <translation>לא ניתן למדוד את הגודל כעת: %1</translation>
    </message>
</context>
<context>
    <name>rnx10::ScheduledJobsPanel</name>
    <message>
        <source>1 day</source>
        <translation>יום אחד</translation>
    </message>
    <message numerus="yes">
        <source>%n days</source>
        <translation>
            <numerusform>יום אחד</numerusform>
            <numerusform>%n ימים</numerusform>
        </translation>
    </message>
    <message>
        <source>1 hour</source>
        <translation>שעה אחת</translation>
    </message>
    <message numerus="yes">
        <source>%n hours</source>
        <translation>
            <numerusform>שעה אחת</numerusform>
            <numerusform>%n שעות</numerusform>
        </translation>
    </message>
    <message>
        <source>1 minute</source>
        <translation>דקה אחת</translation>
    </message>
    <message numerus="yes">
        <source>%n minutes</source>
        <translation>
            <numerusform>דקה אחת</numerusform>
            <numerusform>%n דקות</numerusform>
        </translation>
    </message>
    <message>
        <source>Scheduled now</source>
        <translation>מתוזמן כעת</translation>
    </message>
    <message>
        <source>&amp;Remove</source>
        <translation>&amp;הסרה</translation>
    </message>
    <message>
        <source>Scheduled backup jobs</source>
        <translation>משימות גיבוי מתוזמנות</translation>
    </message>
    <message>
        <source>Job</source>
        <translation>משימה</translation>
    </message>
    <message>
        <source>When</source>
        <translation>מתי</translation>
    </message>
    <message>
        <source>Takes the selected jobs off the schedule</source>
        <translation>מסיר את המשימות הנבחרות מהתזמון</translation>
    </message>
    <message>
        <source>Last backup: ...</source>
        <translation>הגיבוי האחרון: ...</translation>
    </message>
    <message>
        <source>Next backup: ...</source>
        <translation>הגיבוי הבא: ...</translation>
    </message>
    <message>
        <source>The schedule cannot be read: %1</source>
        <translation>לא ניתן לקרוא את התזמון: %1</translation>
    </message>
    <message>
        <source>Last backup: %1 (%2 ago)</source>
        <translation>הגיבוי האחרון: %1 (לפני %2)</translation>
    </message>
    <message>
        <source>Last backup: none yet</source>
        <translation>הגיבוי האחרון: עדיין אין</translation>
    </message>
    <message>
        <source>Next backup: %1 (%2)</source>
        <translation>הגיבוי הבא: %1 (%2)</translation>
    </message>
    <message>
        <source>Next backup: none scheduled</source>
        <translation>הגיבוי הבא: אין גיבוי מתוזמן</translation>
    </message>
    <message>
        <source>next: %1</source>
        <translation>הבא: %1</translation>
    </message>
    <message>
        <source>Runs %1</source>
        <translation>מריץ את %1</translation>
    </message>
    <message>
        <source>The backup tools are not scheduled.</source>
        <translation>כלי הגיבוי אינם מתוזמנים.</translation>
    </message>
    <message>
        <source>1 job is scheduled.</source>
        <translation>משימה אחת מתוזמנת.</translation>
    </message>
    <message numerus="yes">
        <source>%n jobs are scheduled.</source>
        <translation>
            <numerusform>משימה אחת מתוזמנת.</numerusform>
            <numerusform>%n משימות מתוזמנות.</numerusform>
        </translation>
    </message>
    <message>
        <source>Take the selected jobs off the schedule?</source>
        <translation>להסיר את המשימות הנבחרות מהתזמון?</translation>
    </message>
    <message>
        <source>Remove...</source>
        <translation>הסרה...</translation>
    </message>
</context>
<context>
    <name>rnx10::SupportCenterWindow</name>
    <message>
        <source>QRS Tool</source>
        <translation>כלי QRS</translation>
    </message>
    <message>
        <source>Starts the QRS tool</source>
        <translation>מפעיל את הכלי QRS</translation>
    </message>
    <message>
        <source>Downloads</source>
        <translation>הורדות</translation>
    </message>
    <message>
        <source>Opens the downloads page in the web browser</source>
        <translation>פותח את דף ההורדות בדפדפן האינטרנט</translation>
    </message>
    <message>
        <source>Live Chat</source>
        <translation>צ׳אט חי</translation>
    </message>
    <message>
        <source>System Information</source>
        <translation>מידע מערכת</translation>
    </message>
    <message>
        <source>Web Support</source>
        <translation>תמיכה באינטרנט</translation>
    </message>
    <message>
        <source>Send Mail</source>
        <translation>שליחת דואר</translation>
    </message>
    <message>
        <source>Shop</source>
        <translation>חנות</translation>
    </message>
    <message>
        <source>Opens the shop page in the web browser</source>
        <translation>פותח את דף החנות בדפדפן האינטרנט</translation>
    </message>
    <message>
        <source>Backup &amp;&amp; Restore</source>
        <translation>גיבוי &amp;&amp; שחזור</translation>
    </message>
    <message>
        <source>Opens the backup browser: restore, open or delete the backed-up folders</source>
        <translation>פותח את דפדפן הגיבויים: שחזור, פתיחה או מחיקה של התיקיות המגובות</translation>
    </message>
    <message>
        <source>Migrate System</source>
        <translation>העברת מערכת</translation>
    </message>
    <message>
        <source>Opens the BRINDLEX web site in the web browser</source>
        <translation>פותח את אתר BRINDLEX בדפדפן האינטרנט</translation>
    </message>
    <message>
        <source>Updates</source>
        <translation>עדכונים</translation>
    </message>
    <message>
        <source>Shows where new versions of the suite are announced</source>
        <translation>מציג היכן מתפרסמות גרסאות חדשות של החבילה</translation>
    </message>
    <message>
        <source>Debugger</source>
        <translation>מאתר באגים</translation>
    </message>
    <message>
        <source>Lists the suite&apos;s settings, their values and where each value comes from</source>
        <translation>מציג את הגדרות החבילה, את ערכיהן ומאין מגיע כל ערך</translation>
    </message>
    <message>
        <source>Registry</source>
        <translation>רישום</translation>
    </message>
    <message>
        <source>Opens the folder that holds the settings of Zorvane Lumora</source>
        <translation>פותח את התיקייה שמכילה את ההגדרות של Zorvane Lumora</translation>
    </message>
    <message>
        <source>Program Folder</source>
        <translation>תיקיית התוכניות</translation>
    </message>
    <message>
        <source>Opens the folder of the suite&apos;s programs</source>
        <translation>פותח את תיקיית התוכניות של החבילה</translation>
    </message>
    <message>
        <source>KEV Tool</source>
        <translation>כלי KEV</translation>
    </message>
    <message>
        <source>Starts the KEV tool</source>
        <translation>מפעיל את הכלי KEV</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>תחזוקה</translation>
    </message>
    <message>
        <source>Deletes the log and temporary files, or starts a backup of this computer</source>
        <translation>מוחק את קובצי היומן והקבצים הזמניים, או מתחיל גיבוי של מחשב זה</translation>
    </message>
    <message>
        <source>Licenses</source>
        <translation>רישיונות</translation>
    </message>
    <message>
        <source>Shows the licenses</source>
        <translation>מציג את הרישיונות</translation>
    </message>
    <message>
        <source>Zorvane Support Center</source>
        <translation>מרכז התמיכה של Zorvane</translation>
    </message>
    <message>
        <source>Choose a command:</source>
        <translation>בחירת פקודה:</translation>
    </message>
    <message>
        <source>Quick Backup of this Computer</source>
        <translation>גיבוי מהיר של מחשב זה</translation>
    </message>
    <message>
        <source>Backs up the suite&apos;s settings and your folders now</source>
        <translation>מגבה כעת את הגדרות החבילה ואת התיקיות שלך</translation>
    </message>
    <message>
        <source>%1 does nothing on this system</source>
        <translation>%1 אינו עושה דבר במערכת זו</translation>
    </message>
    <message>
        <source>Error %1: %2</source>
        <translation>שגיאה %1: %2</translation>
    </message>
</context>
<context>
    <name>rnx10::VersionsWindow</name>
    <message>
        <source>first</source>
        <translation>ראשונה</translation>
    </message>
    <message>
        <source>changed</source>
        <translation>השתנה</translation>
    </message>
    <message>
        <source>same</source>
        <translation>ללא שינוי</translation>
    </message>
    <message>
        <source>Date and Hour</source>
        <translation>תאריך ושעה</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Modified</source>
        <translation>תאריך שינוי</translation>
    </message>
    <message>
        <source>Change</source>
        <translation>שינוי</translation>
    </message>
    <message>
        <source>Path in Store</source>
        <translation>נתיב במאגר</translation>
    </message>
    <message>
        <source>Versions</source>
        <translation>גרסאות</translation>
    </message>
    <message>
        <source>/home/user/Documents/report.odt</source>
        <translation>/home/user/Documents/report.odt</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>&amp;נתיב:</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>&amp;הצגה</translation>
    </message>
    <message>
        <source>Looking for the versions of %1</source>
        <translation>מחפש את הגרסאות של %1</translation>
    </message>
    <message>
        <source>No archive holds this path.</source>
        <translation>אין ארכיון שמכיל נתיב זה.</translation>
    </message>
    <message>
        <source>1 version</source>
        <translation>גרסה אחת</translation>
    </message>
    <message>
        <source>%1 versions</source>
        <translation>%1 גרסאות</translation>
    </message>
    <message>
        <source>R&amp;estore To...</source>
        <translation>שחזור &amp;אל...</translation>
    </message>
</context>
<context>
    <name>rnx10::frmBackUpRestoreA</name>
    <message>
        <source>Deleting...</source>
        <translation>מוחק...</translation>
    </message>
    <message>
        <source>Deleting %1</source>
        <translation>מוחק את %1</translation>
    </message>
    <message>
        <source>Restoring...</source>
        <translation>משחזר...</translation>
    </message>
    <message>
        <source>Copying %1
to %2</source>
        <translation>מעתיק את %1
אל %2</translation>
    </message>
    <message>
        <source>Putting the copy in place of %1</source>
        <translation>מציב את העותק במקום %1</translation>
    </message>
    <message>
        <source>Report...</source>
        <translation>דוח...</translation>
    </message>
    <message>
        <source>Listing the folders of %1</source>
        <translation>מפרט את התיקיות של %1</translation>
    </message>
    <message>
        <source>Measuring...</source>
        <translation>מודד...</translation>
    </message>
    <message>
        <source>Measuring %1</source>
        <translation>מודד את %1</translation>
    </message>
    <message>
        <source>No year is selected.</source>
        <translation>לא נבחרה שנה.</translation>
    </message>
    <message>
        <source>No month is selected.</source>
        <translation>לא נבחר חודש.</translation>
    </message>
    <message>
        <source>No day is selected.</source>
        <translation>לא נבחר יום.</translation>
    </message>
    <message>
        <source>No hour is selected.</source>
        <translation>לא נבחרה שעה.</translation>
    </message>
    <message>
        <source>%1 Bytes</source>
        <translation>%1 בתים</translation>
    </message>
    <message>
        <source>Size : %1 MB</source>
        <translation>גודל: %1 MB</translation>
    </message>
    <message>
        <source>No archives found.</source>
        <translation>לא נמצאו ארכיונים.</translation>
    </message>
    <message numerus="yes">
        <source>%n archives found.</source>
        <translation>
            <numerusform>נמצא ארכיון אחד.</numerusform>
            <numerusform>נמצאו %n ארכיונים.</numerusform>
        </translation>
    </message>
    <message>
        <source>Backup Drive: %1</source>
        <translation>כונן גיבוי: %1</translation>
    </message>
    <message>
        <source>%1, Size : %2 MB</source>
        <translation>%1, גודל: %2 MB</translation>
    </message>
    <message>
        <source>%1 Backup &amp; Restore</source>
        <extracomment>%1 is the product&apos;s name, shown as it is in every language.</extracomment>
        <translation>גיבוי &amp; שחזור של %1</translation>
    </message>
    <message>
        <source>Commands</source>
        <translation>פקודות</translation>
    </message>
    <message>
        <source>Open the locker folder</source>
        <translation>פתיחת תיקיית הכספת</translation>
    </message>
    <message>
        <source>Backup date</source>
        <translation>תאריך גיבוי</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>ימים</translation>
    </message>
    <message>
        <source>Month and year</source>
        <translation>חודש ושנה</translation>
    </message>
    <message>
        <source>Previous month</source>
        <translation>החודש הקודם</translation>
    </message>
    <message>
        <source>Next month</source>
        <translation>החודש הבא</translation>
    </message>
    <message>
        <source>Month</source>
        <translation>חודש</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>שנה</translation>
    </message>
    <message>
        <source>Archives picture</source>
        <translation>תמונת ארכיונים</translation>
    </message>
    <message>
        <source>Separator</source>
        <translation>מפריד</translation>
    </message>
    <message>
        <source>Status bar</source>
        <translation>שורת מצב</translation>
    </message>
    <message>
        <source>Status panel %1</source>
        <translation>לוח מצב %1</translation>
    </message>
    <message>
        <source>Start &amp;Backup</source>
        <translation>התחלת &amp;גיבוי</translation>
    </message>
    <message>
        <source>Registry Backup</source>
        <translation>גיבוי רישום</translation>
    </message>
    <message>
        <source>&amp;Report</source>
        <translation>&amp;דוח</translation>
    </message>
    <message>
        <source>Click here to view all the backup data log file.</source>
        <translation>לחצו כאן להצגת קובץ היומן של כל נתוני הגיבוי.</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>י&amp;ציאה</translation>
    </message>
    <message>
        <source>Hour: </source>
        <translation>שעה: </translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>Archives</source>
        <translation>ארכיונים</translation>
    </message>
    <message>
        <source>Double click to open destination file or folder press F7 key for details.</source>
        <translation>לחיצה כפולה פותחת את קובץ היעד או את תיקיית היעד; מקש F7 מציג פרטים.</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>שם</translation>
    </message>
    <message>
        <source>SourceDir</source>
        <translation>תיקיית מקור</translation>
    </message>
    <message>
        <source>DestinationDir</source>
        <translation>תיקיית יעד</translation>
    </message>
    <message>
        <source>Computer</source>
        <translation>מחשב</translation>
    </message>
    <message>
        <source>User</source>
        <translation>משתמש</translation>
    </message>
    <message>
        <source>Now</source>
        <translation>מועד</translation>
    </message>
    <message>
        <source>&amp;Popup Menu</source>
        <translation>&amp;תפריט מוקפץ</translation>
    </message>
    <message>
        <source>&amp;Backup</source>
        <translation>&amp;גיבוי</translation>
    </message>
    <message>
        <source>&amp;Restore</source>
        <translation>&amp;שחזור</translation>
    </message>
    <message>
        <source>Delete Ye&amp;ar</source>
        <translation>מחיקת ש&amp;נה</translation>
    </message>
    <message>
        <source>Delete M&amp;onth</source>
        <translation>מחיקת ח&amp;ודש</translation>
    </message>
    <message>
        <source>Delete Da&amp;y</source>
        <translation>מחיקת &amp;יום</translation>
    </message>
    <message>
        <source>Delete &amp;Hour</source>
        <translation>מחיקת ש&amp;עה</translation>
    </message>
    <message>
        <source>Delete Arch&amp;ive</source>
        <translation>מחיקת &amp;ארכיון</translation>
    </message>
    <message>
        <source>&amp;Schedule Backups</source>
        <translation>&amp;תזמון גיבויים</translation>
    </message>
    <message>
        <source>&amp;Open</source>
        <translation>&amp;פתיחה</translation>
    </message>
    <message>
        <source>Restore &amp;To...</source>
        <translation>שחזור א&amp;ל...</translation>
    </message>
    <message>
        <source>&amp;Compare with Current...</source>
        <translation>&amp;השוואה לנוכחי...</translation>
    </message>
    <message>
        <source>&amp;Find Files...</source>
        <translation>&amp;חיפוש קבצים...</translation>
    </message>
    <message>
        <source>Thin O&amp;ld Archives...</source>
        <translation>&amp;דילול ארכיונים ישנים...</translation>
    </message>
    <message>
        <source>Succesfully deleted...</source>
        <translation>נמחק בהצלחה...</translation>
    </message>
    <message>
        <source>Delete Hour...</source>
        <translation>מחיקת שעה...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 . This will delete old data.</source>
        <translation>האם למחוק את %1? פעולה זו תמחק נתונים ישנים.</translation>
    </message>
    <message>
        <source>Delete Day...</source>
        <translation>מחיקת יום...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 . This will delete selected day data.</source>
        <translation>האם למחוק את %1? פעולה זו תמחק את נתוני היום הנבחר.</translation>
    </message>
    <message>
        <source>Delete Month...</source>
        <translation>מחיקת חודש...</translation>
    </message>
    <message>
        <source>Delete Year...</source>
        <translation>מחיקת שנה...</translation>
    </message>
    <message>
        <source>Are you sure you want to delete %1 . This will delete selected archive.</source>
        <translation>האם למחוק את %1? פעולה זו תמחק את הארכיון הנבחר.</translation>
    </message>
    <message>
        <source>Delete Archive...</source>
        <translation>מחיקת ארכיון...</translation>
    </message>
    <message>
        <source>Are you sure you want to copy %1 to %2 . This will delete old data.</source>
        <translation>האם להעתיק את %1 אל %2? פעולה זו תמחק נתונים ישנים.</translation>
    </message>
    <message>
        <source>Sure...</source>
        <translation>אישור...</translation>
    </message>
    <message>
        <source>Done...</source>
        <translation>בוצע...</translation>
    </message>
    <message>
        <source>Select an archive first.</source>
        <translation>יש לבחור ארכיון תחילה.</translation>
    </message>
    <message>
        <source>Status...</source>
        <translation>מצב...</translation>
    </message>
</context>
<context>
    <name>rnx10::frmBackUpScheduleA</name>
    <message>
        <source>Add Backup Schedule Task</source>
        <translation>הוספת משימת גיבוי מתוזמנת</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>שעה</translation>
    </message>
    <message>
        <source>Format : 22:00 (hh:mm)</source>
        <translation>פורמט: 22:00 (hh:mm)</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>תאריך</translation>
    </message>
    <message>
        <source>next</source>
        <translation>הבא</translation>
    </message>
    <message>
        <source>every</source>
        <translation>כל</translation>
    </message>
    <message>
        <source>Format : M,T,W,TH,F,S,SU</source>
        <translation>פורמט: M,T,W,TH,F,S,SU</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>&amp;ביטול</translation>
    </message>
    <message>
        <source>Backup schedule</source>
        <translation>תזמון גיבוי</translation>
    </message>
    <message>
        <source>Days</source>
        <translation>ימים</translation>
    </message>
    <message>
        <source>Run once, at the next of the days</source>
        <translation>הרצה חד-פעמית, ביום הקרוב מבין הימים</translation>
    </message>
    <message>
        <source>Run on every one of the days</source>
        <translation>הרצה בכל אחד מהימים</translation>
    </message>
    <message>
        <source>Are you sure?</source>
        <translation>האם להמשיך?</translation>
    </message>
    <message>
        <source>sure...</source>
        <translation>אישור...</translation>
    </message>
    <message>
        <source>Zorvane backup tools has been successfully scheduled in windows schedules, you can modify schedules from windows schedule tasks under control panel</source>
        <translation>כלי הגיבוי של Zorvane תוזמנו בהצלחה בתזמוני Windows; ניתן לשנות את התזמונים דרך &apos;משימות מתוזמנות&apos; בלוח הבקרה של Windows.</translation>
    </message>
    <message>
        <source>Scheduled...</source>
        <translation>תוזמן...</translation>
    </message>
</context>
<context>
    <name>rnx10::frmMaintainceA</name>
    <message>
        <source>Double click to browse log folder now</source>
        <translation>לחיצה כפולה לעיון בתיקיית היומן כעת</translation>
    </message>
    <message>
        <source>Browse log folder</source>
        <translation>עיון בתיקיית היומן</translation>
    </message>
    <message>
        <source>Deleted, except these folders, which were skipped because they are, hold or lie inside the backup store, the locker or the program folder:</source>
        <translation>נמחק, מלבד התיקיות הבאות, שדולגו כי הן מאגר הגיבויים, הכספת או תיקיית התוכנית, מכילות אותם או נמצאות בתוכם:</translation>
    </message>
    <message>
        <source>Not everything could be deleted; these stayed:</source>
        <translation>לא ניתן היה למחוק הכול; הפריטים הבאים נשארו:</translation>
    </message>
    <message numerus="yes">
        <source>... and %n more.</source>
        <translation>
            <numerusform>... ועוד אחד.</numerusform>
            <numerusform>... ועוד %n.</numerusform>
        </translation>
    </message>
    <message>
        <source>Zorvane Maintaince</source>
        <translation>תחזוקת Zorvane</translation>
    </message>
    <message>
        <source>General</source>
        <translation>כללי</translation>
    </message>
    <message>
        <source>Advanced</source>
        <translation>מתקדם</translation>
    </message>
    <message>
        <source>Maintenance</source>
        <translation>תחזוקה</translation>
    </message>
    <message>
        <source>&amp;OK</source>
        <translation>&amp;אישור</translation>
    </message>
    <message>
        <source>Delete Log files...</source>
        <translation>מחיקת קובצי יומן...</translation>
    </message>
    <message>
        <source>The log files contains all the log information about zorvane technologies, automation and products including system infromation and catcup files.</source>
        <translation>קובצי היומן מכילים את כל מידע היומן על הטכנולוגיות, האוטומציה והמוצרים של Zorvane, כולל מידע מערכת וקובצי השלמה.</translation>
    </message>
    <message>
        <source>Backup Now...</source>
        <translation>גיבוי עכשיו...</translation>
    </message>
    <message>
        <source>You should regularly take backup of your important data.</source>
        <translation>מומלץ לגבות באופן קבוע את הנתונים החשובים שלך.</translation>
    </message>
    <message>
        <source>Do you want to clear all log files?</source>
        <translation>האם לנקות את כל קובצי היומן?</translation>
    </message>
    <message>
        <source>Confirm...</source>
        <translation>אישור...</translation>
    </message>
    <message>
        <source>Succesfully deleted.</source>
        <translation>נמחק בהצלחה.</translation>
    </message>
    <message>
        <source>Deleted...</source>
        <translation>נמחק...</translation>
    </message>
    <message>
        <source>Deleting...</source>
        <translation>מוחק...</translation>
    </message>
    <message>
        <source>Deleting the log files and the temporary files</source>
        <translation>מוחק את קובצי היומן ואת הקבצים הזמניים</translation>
    </message>
</context>
<context>
    <name>rnx10::frmRegistryA</name>
    <message>
        <source>Navigate To ZV Env</source>
        <translation>מעבר אל ZV Env</translation>
    </message>
    <message>
        <source>Zorvane Support Center - Registry</source>
        <translation>מרכז התמיכה של Zorvane - רישום</translation>
    </message>
    <message>
        <source>Product settings</source>
        <translation>הגדרות מוצר</translation>
    </message>
    <message>
        <source>Opens the folder that holds the chosen product&apos;s settings</source>
        <translation>פותח את התיקייה שמכילה את הגדרות המוצר שנבחר</translation>
    </message>
</context>
<context>
    <name>rnx10::frmThinArchives</name>
    <message>
        <source>Thin Old Archives</source>
        <translation>דילול ארכיונים ישנים</translation>
    </message>
    <message>
        <source>Keep every run of the last (days):</source>
        <translation>שמירת כל הרצה מהתקופה האחרונה (ימים):</translation>
    </message>
    <message>
        <source>Then the newest run of each of the last (days):</source>
        <translation>לאחר מכן, ההרצה החדשה ביותר מכל אחד מהאחרונים (ימים):</translation>
    </message>
    <message>
        <source>... of each of the last (ISO weeks):</source>
        <translation>... מכל אחד מהאחרונים (שבועות ISO):</translation>
    </message>
    <message>
        <source>... of each of the last (months):</source>
        <translation>... מכל אחד מהאחרונים (חודשים):</translation>
    </message>
    <message>
        <source>... of each of the last (years):</source>
        <translation>... מכל אחד מהאחרונים (שנים):</translation>
    </message>
    <message>
        <source>%1 MB</source>
        <translation>%1 MB</translation>
    </message>
    <message>
        <source>Thin after every scheduled backup</source>
        <translation>דילול אחרי כל גיבוי מתוזמן</translation>
    </message>
    <message>
        <source>Run to delete</source>
        <translation>הרצה למחיקה</translation>
    </message>
    <message>
        <source>Size</source>
        <translation>גודל</translation>
    </message>
    <message>
        <source>&amp;Thin</source>
        <translation>&amp;דילול</translation>
    </message>
    <message>
        <source>...</source>
        <translation>...</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %n runs to delete</source>
        <translation>
            <numerusform>%1 מתוך הרצה אחת למחיקה</numerusform>
            <numerusform>%1 מתוך %n הרצות למחיקה</numerusform>
        </translation>
    </message>
    <message>
        <source>, total %1%2</source>
        <translation>, סה״כ %1%2</translation>
    </message>
    <message>
        <source> so far</source>
        <translation> עד כה</translation>
    </message>
    <message numerus="yes">
        <source>Are you sure you want to delete the %n runs listed? This will delete old data.</source>
        <translation>
            <numerusform>האם למחוק את ההרצה המוצגת? פעולה זו תמחק נתונים ישנים.</numerusform>
            <numerusform>האם למחוק את %n ההרצות המוצגות? פעולה זו תמחק נתונים ישנים.</numerusform>
        </translation>
    </message>
    <message>
        <source>Thinning...</source>
        <translation>מדלל...</translation>
    </message>
    <message numerus="yes">
        <source>Deleting %n runs of %1</source>
        <translation>
            <numerusform>מוחק הרצה אחת של %1</numerusform>
            <numerusform>מוחק %n הרצות של %1</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 KB</source>
        <translation>%1 KB</translation>
    </message>
    <message>
        <source>A rule whose five numbers are all 0 would delete every run but the newest. Give at least one number above 0; this rule is not saved.</source>
        <translation>כלל שכל חמשת המספרים שלו הם 0 ימחק כל הרצה מלבד החדשה ביותר. יש לתת לפחות מספר אחד מעל 0; כלל זה לא נשמר.</translation>
    </message>
    <message numerus="yes">
        <source>%n runs deleted, %1 freed.</source>
        <translation>
            <numerusform>הרצה אחת נמחקה, %1 התפנו.</numerusform>
            <numerusform>%n הרצות נמחקו, %1 התפנו.</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>rnx10::frmupdatesA</name>
    <message>
        <source>Zorvane Updates</source>
        <translation>עדכוני Zorvane</translation>
    </message>
    <message>
        <source>New versions of the Zorvane suite are announced on the downloads page.</source>
        <translation>גרסאות חדשות של חבילת Zorvane מתפרסמות בדף ההורדות.</translation>
    </message>
    <message>
        <source>New versions of the Zorvane suite are announced on the downloads page. Escape closes this window.</source>
        <translation>גרסאות חדשות של חבילת Zorvane מתפרסמות בדף ההורדות. מקש Escape סוגר חלון זה.</translation>
    </message>
</context>
<context>
    <name>shellbak</name>
    <message>
        <source>no folder to back up (none listed in [ShellBackup], no ~/Documents)</source>
        <translation>אין תיקייה לגיבוי (אף תיקייה אינה רשומה ב-[ShellBackup], ואין ~/Documents)</translation>
    </message>
</context>
</TS>
