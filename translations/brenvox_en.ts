<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="pl">
<context>
    <name>ArchiveListModel</name>
    <message>
        <source>Programowanie</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source>Porównanie</source>
        <translation>Compare</translation>
    </message>
    <message>
        <source>Odczyt</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>Data i godzina</source>
        <translation>Date and time</translation>
    </message>
    <message>
        <source>Operacja</source>
        <translation>Operation</translation>
    </message>
    <message>
        <source>Nazwa ustawień</source>
        <translation>Settings name</translation>
    </message>
    <message>
        <source>Wersja modułu</source>
        <translation>Version</translation>
    </message>
    <message>
        <source>Wynik</source>
        <translation>Result</translation>
    </message>
</context>
<context>
    <name>FileDialogs</name>
    <message>
        <source>Dokumenty PDF (*.pdf)</source>
        <translation>PDF documents (*.pdf)</translation>
    </message>
</context>
<context>
    <name>FilesPage</name>
    <message>
        <source> Ustawienia </source>
        <translation> Settings </translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Reset ustawień.</source>
        <translation>Reset the settings.</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Wydruk ustawień.</source>
        <translation>Print the settings.</translation>
    </message>
    <message>
        <source> Operacje dyskowe </source>
        <translation> Disk operations </translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Wprowadza do programu ustawienia zapisane wcześniej na dysku.</source>
        <translation>Loads settings saved on disk earlier.</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk do ich późniejszego odtworzenia.</source>
        <translation>Saves the current settings to disk to be loaded again later.</translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk pod wskazaną nazwą.</source>
        <translation>Saves the current settings to disk under a name you choose.</translation>
    </message>
    <message>
        <source>Archiwum</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Transmisje z modułami.</source>
        <translation>Transfers with modules.</translation>
    </message>
    <message>
        <source>Zapisz jako PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Wydruk do pliku PDF.</source>
        <translation>Printout to a PDF file.</translation>
    </message>
</context>
<context>
    <name>InputsPage</name>
    <message>
        <source>Wejścia modułu</source>
        <translation>Module inputs</translation>
    </message>
    <message>
        <source> Konfiguracja wejścia modułu </source>
        <translation> Input configuration </translation>
    </message>
    <message>
        <source>Komentarz użytkownika</source>
        <translation>User comment</translation>
    </message>
    <message>
        <source>Blokowane</source>
        <translation>Lockable</translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Treść SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source> Opis wejścia modułu </source>
        <translation> Input description </translation>
    </message>
    <message>
        <source>. . .</source>
        <translation>. . .</translation>
    </message>
    <message>
        <source>Rozwarcie - Praca dozwolona</source>
        <translation>Open - Module enabled</translation>
    </message>
    <message>
        <source>Zwarcie - Zablokowanie modułu</source>
        <translation>Closed - Module locked</translation>
    </message>
</context>
<context>
    <name>ModuleFinderDialog</name>
    <message>
        <source>Szukanie modułu</source>
        <translation>Finding the module</translation>
    </message>
    <message>
        <source> Postęp szukania </source>
        <translation> Search progress </translation>
    </message>
    <message>
        <source>Postęp szukania modułu</source>
        <translation>Module search progress</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Przerwij szukanie modułu</source>
        <translation>Stop the module search</translation>
    </message>
    <message>
        <source>, ... (razem %1)</source>
        <translation>, ... (%1 in all)</translation>
    </message>
    <message>
        <source> (%1 z %2)...</source>
        <translation> (%1 of %2)...</translation>
    </message>
    <message>
        <source>Sprawdzanie portu </source>
        <translation>Checking port </translation>
    </message>
    <message>
        <source>Przerywanie szukania...</source>
        <translation>Stopping the search...</translation>
    </message>
    <message>
        <source>Sprawdź podłączenie kabla.</source>
        <translation>Check the cable connection.</translation>
    </message>
    <message>
        <source>Sprawdź podłączenie kabla i zasilanie modułu.</source>
        <translation>Check the cable connection and the module power supply.</translation>
    </message>
    <message>
        <source>Moduł nie odpowiedział na żadnym porcie: %1.</source>
        <translation>The module did not answer on any port: %1.</translation>
    </message>
    <message>
        <source>Nie można otworzyć portu %1.</source>
        <translation>Port %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Nie można otworzyć żadnego portu: %1.</source>
        <translation>None of the ports can be opened: %1.</translation>
    </message>
</context>
<context>
    <name>ModulePage</name>
    <message>
        <source> Programowanie modułu </source>
        <translation> Programming the module </translation>
    </message>
    <message>
        <source>Programuj</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu</source>
        <translation>PIN required to read</translation>
    </message>
    <message>
        <source>ustawień z modułu</source>
        <translation>settings from the module</translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu ustawień z modułu</source>
        <translation>PIN required to read settings from the module</translation>
    </message>
    <message>
        <source> Komunikacja </source>
        <translation> Communication </translation>
    </message>
    <message>
        <source>Typ portu transmisji z modułem</source>
        <translation>Type of the port to the module</translation>
    </message>
    <message>
        <source>Numer portu transmisji z modułem</source>
        <translation>Number of the port to the module</translation>
    </message>
    <message>
        <source> Operacje </source>
        <translation> Operations </translation>
    </message>
    <message>
        <source>Porównanie pamięci modułu z ustawieniami</source>
        <translation>Compare the module memory with the settings</translation>
    </message>
    <message>
        <source>Odczyt ustawień z modułu do programu</source>
        <translation>Read the settings from the module</translation>
    </message>
    <message>
        <source>Szukaj modułu</source>
        <translation>Find module</translation>
    </message>
    <message>
        <source>Sprawdza po kolei wszystkie porty szeregowe i wybiera ten, na którym odpowie moduł</source>
        <translation>Tries every serial port in turn and selects the one the module answers on</translation>
    </message>
    <message>
        <source>Szukaj modułu na wszystkich portach szeregowych</source>
        <translation>Find the module on all serial ports</translation>
    </message>
    <message>
        <source>Moduł V%1.%2</source>
        <translation>Module %1.%2</translation>
    </message>
    <message>
        <source>, typ %1</source>
        <translation>, type %1</translation>
    </message>
    <message>
        <source>Port: %1</source>
        <translation>Port: %1</translation>
    </message>
    <message>
        <source>Urządzenie portu transmisji z modułem</source>
        <translation>Device of the port to the module</translation>
    </message>
    <message>
        <source>urządzenie lub ścieżka</source>
        <translation>device or path</translation>
    </message>
</context>
<context>
    <name>OutputPage</name>
    <message>
        <source> Parametry pracy wyjścia </source>
        <translation> Output operation </translation>
    </message>
    <message>
        <source>Załączaj wyjście przy aktywacji wejścia alarmowego</source>
        <translation>Switch the output on when the alarm input activates</translation>
    </message>
    <message>
        <source>Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7.</source>
        <translation>Switch the output on when input 4, 5, 6 or 7 opens.</translation>
    </message>
    <message>
        <source>Kod załączający wyjście</source>
        <translation>Output switch-on code</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście dzwonieniem do modułu</source>
        <translation>Switch the output off by calling the module</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie</source>
        <translation>Switch the output off after a time</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie [sek.]</source>
        <translation>Switch the output off after [s]</translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście</source>
        <translation>Output switch-off code</translation>
    </message>
    <message>
        <source>(Dla modułu w wersji V1.0 można wybrać tylko jedną funkcję - załączenie lub wyłączenie)</source>
        <translation>(With a V1.0 module only one function can be chosen: switch-on or switch-off)</translation>
    </message>
</context>
<context>
    <name>RingPage</name>
    <message>
        <source> Połączenia wychodzące </source>
        <translation> Outgoing calls </translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia)</source>
        <translation>Ringing time</translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Ilość dzwonień</source>
        <translation>Number of calls</translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami</source>
        <translation>Interval between calls</translation>
    </message>
    <message>
        <source>[szt.]</source>
        <translation>times</translation>
    </message>
    <message>
        <source> Połączenia przychodzące </source>
        <translation> Incoming calls </translation>
    </message>
    <message>
        <source>(Dostępne od wersji V1.1 modułu)</source>
        <translation>(Module V1.1 and later)</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po</source>
        <translation>Reject the call after</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po [sek.]</source>
        <translation>Reject the call after [s]</translation>
    </message>
    <message>
        <source>Odbierz połączenie</source>
        <translation>Answer the call</translation>
    </message>
</context>
<context>
    <name>SimPage</name>
    <message>
        <source> Ustawienia karty SIM znajdującej się w telefonie współpracującym z modułem </source>
        <translation> SIM card in the phone connected to the module </translation>
    </message>
    <message>
        <source>Czterocyfrowy kod PIN karty SIM</source>
        <translation>Four-digit SIM card PIN</translation>
    </message>
    <message>
        <source>Numer centrum SMS operatora sieci GSM/DCS</source>
        <translation>SMS centre number of the GSM/DCS network</translation>
    </message>
    <message>
        <source>Automatyczne wstawienie numeru centrum SMS dla operatora:</source>
        <translation>Fill in the SMS centre number of the network:</translation>
    </message>
    <message>
        <source>EraGSM</source>
        <translation>EraGSM</translation>
    </message>
    <message>
        <source>PlusGSM</source>
        <translation>PlusGSM</translation>
    </message>
    <message>
        <source>Idea</source>
        <translation>Idea</translation>
    </message>
</context>
<context>
    <name>SmsPage</name>
    <message>
        <source> Zabezpieczenie przed nadmierną ilością wysyłanych wiadomości SMS </source>
        <translation> Limit on the number of SMS messages sent </translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie</source>
        <translation>Send at most</translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu</source>
        <translation>SMS messages within</translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu godzin(y).</source>
        <translation>SMS messages within hour(s).</translation>
    </message>
    <message>
        <source>godzin(y).</source>
        <translation>hour(s).</translation>
    </message>
    <message>
        <source> Zaawansowane ustawienia wysyłania wiadomości SMS </source>
        <translation> Advanced SMS sending settings </translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS</source>
        <translation>Time to wait for the network to confirm an SMS</translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia</source>
        <translation>Attempts to send an SMS without confirmation</translation>
    </message>
    <message>
        <source>[szt.]</source>
        <translation>times</translation>
    </message>
</context>
<context>
    <name>ArchiveWindow</name>
    <message>
        <source>Archiwum transmisji</source>
        <translation>Transfer archive</translation>
    </message>
    <message>
        <source> Transmisje z modułami </source>
        <translation> Transfers with modules </translation>
    </message>
    <message>
        <source>Nazwa ustawień zawiera:</source>
        <translation>Settings name contains:</translation>
    </message>
    <message>
        <source>Nazwa ustawień zawiera</source>
        <translation>Settings name contains</translation>
    </message>
    <message>
        <source>Wpisy archiwum</source>
        <translation>Archive entries</translation>
    </message>
    <message>
        <source> Różnice ustawień </source>
        <translation> Settings differences </translation>
    </message>
    <message>
        <source>Różnice ustawień</source>
        <translation>Settings differences</translation>
    </message>
    <message>
        <source>Wczytaj ustawienia</source>
        <translation>Load settings</translation>
    </message>
    <message>
        <source>Porównaj z programem</source>
        <translation>Compare with program</translation>
    </message>
    <message>
        <source>Otwórz folder</source>
        <translation>Open folder</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Wprowadza do programu ustawienia wybranego wpisu.</source>
        <translation>Loads the chosen entry's settings into the program.</translation>
    </message>
    <message>
        <source>Pokazuje różnice między ustawieniami w programie a ustawieniami wybranego wpisu.</source>
        <translation>Shows how the program's settings differ from the chosen entry's.</translation>
    </message>
    <message>
        <source>Otwiera folder wybranego wpisu.</source>
        <translation>Opens the chosen entry's folder.</translation>
    </message>
    <message>
        <source>Archiwum nie zawiera jeszcze żadnej transmisji.</source>
        <translation>The archive holds no transfers yet.</translation>
    </message>
    <message>
        <source>Ten wpis nie zawiera ustawień.</source>
        <translation>This entry holds no settings.</translation>
    </message>
    <message>
        <source>Ustawienia w programie i w archiwum jednakowe.</source>
        <translation>The settings in the program and in the archive are the same.</translation>
    </message>
    <message>
        <source>Różnice ustawień (w programie -&gt; w archiwum):</source>
        <translation>Settings differences (program -&gt; archive):</translation>
    </message>
    <message>
        <source>Nie można otworzyć folderu wpisu.</source>
        <translation>Cannot open the entry's folder.</translation>
    </message>
</context>
<context>
    <name>QuestionDialog</name>
    <message>
        <source>Ask</source>
        <translation>Ask</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>ModulePinDialog</name>
    <message>
        <source>PIN modułu</source>
        <translation>Module PIN</translation>
    </message>
    <message>
        <source>Wprowadź 4-ro cyfrowy kod dostępu do modułu</source>
        <translation>Enter the 4-digit access code of the module</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
</context>
<context>
    <name>MainWindow</name>
    <message>
        <source>GSM</source>
        <translation>GSM</translation>
    </message>
    <message>
        <source> Nazwa ustawień: </source>
        <translation> Settings name: </translation>
    </message>
    <message>
        <source>Czy na pewno chcesz zakończyć pracę programu?</source>
        <translation>Are you sure you want to exit the program?</translation>
    </message>
    <message>
        <source>Czy zapisać aktualne ustawienia na dysk?</source>
        <translation>Save the current settings to disk?</translation>
    </message>
    <message>
        <source>Opcja ta spowoduje usunięcie bieżących ustawień!</source>
        <translation>This will clear the current settings!</translation>
    </message>
    <message>
        <source>Czy potwierdzasz jej wykonanie?</source>
        <translation>Do you want to continue?</translation>
    </message>
    <message>
        <source>Brak na dysku pliku o wskazanej nazwie.</source>
        <translation>There is no file of that name on the disk.</translation>
    </message>
    <message>
        <source>Ustawienia nie zostały załadowane.</source>
        <translation>The settings were not loaded.</translation>
    </message>
    <message>
        <source>Plik o takiej nazwie już istnieje!</source>
        <translation>A file of that name already exists!</translation>
    </message>
    <message>
        <source>Czy na pewno mam go zastąpić nowym?</source>
        <translation>Do you want to replace it?</translation>
    </message>
    <message>
        <source>Czy wykonać wydruk ustawień?</source>
        <translation>Print the settings?</translation>
    </message>
    <message>
        <source>Brak dostępnej drukarki.</source>
        <translation>No printer available.</translation>
    </message>
    <message>
        <source>Wydruk można zapisać do pliku przyciskiem „Zapisz jako PDF”.</source>
        <translation>The printout can be saved to a file with "Save as PDF".</translation>
    </message>
</context>
<context>
    <name>SplashWindow</name>
    <message>
        <source>Info</source>
        <translation>Info</translation>
    </message>
</context>
<context>
    <name>ProgressWindow</name>
    <message>
        <source>Programowanie</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source> Postęp programowania </source>
        <translation> Progress </translation>
    </message>
    <message>
        <source>Powtórz</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
</context>
<context>
    <name>TestPage</name>
    <message>
        <source> Samoczynne, okresowe wysyłanie informacji </source>
        <translation> Automatic periodic test reports </translation>
    </message>
    <message>
        <source>Wysyłaj co</source>
        <translation>Send every</translation>
    </message>
    <message>
        <source>Wysyłaj co ... godzin(y) +</source>
        <translation>Send every ... hour(s) +</translation>
    </message>
    <message>
        <source>godzin(y) +</source>
        <translation>hour(s) +</translation>
    </message>
    <message>
        <source>godzin(y) + ... [x10 minut]</source>
        <translation>hour(s) + ... [x10 minutes]</translation>
    </message>
    <message>
        <source>[x10 minut]</source>
        <translation>[x10 minutes]</translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 1 </source>
        <translation> Periodic event 1 </translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Treść wiadomości SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 2 </source>
        <translation> Periodic event 2 </translation>
    </message>
</context>
<context>
    <name>brenvox</name>
    <message>
        <source>Pin6 - We1 - Blokada</source>
        <translation>Pin6 - In1 - Lock</translation>
    </message>
    <message>
        <source>Pin7 - We2 - Akumulator</source>
        <translation>Pin7 - In2 - Battery</translation>
    </message>
    <message>
        <source>Pin8 - We3 - Alarm</source>
        <translation>Pin8 - In3 - Alarm</translation>
    </message>
    <message>
        <source>Pin9 - We4 - Uniwersalne 1</source>
        <translation>Pin9 - In4 - Universal 1</translation>
    </message>
    <message>
        <source>Pin10 - We5 - Uniwersalne 2</source>
        <translation>Pin10 - In5 - Universal 2</translation>
    </message>
    <message>
        <source>Pin11 - We6 - Uniwersalne 3</source>
        <translation>Pin11 - In6 - Universal 3</translation>
    </message>
    <message>
        <source>Pin12 - We7 - Uniwersalne 4</source>
        <translation>Pin12 - In7 - Universal 4</translation>
    </message>
    <message>
        <source>Niewykorzystane</source>
        <translation>Not used</translation>
    </message>
    <message>
        <source>Wyślij wiadomość - SMS</source>
        <translation>Send a message - SMS</translation>
    </message>
    <message>
        <source>Zadzwoń - RING</source>
        <translation>Call - RING</translation>
    </message>
    <message>
        <source>Pin9 - We4 - Uniwersalne1</source>
        <translation>Pin9 - In4 - Universal1</translation>
    </message>
    <message>
        <source>Pin10 - We5 - Uniwersalne2</source>
        <translation>Pin10 - In5 - Universal2</translation>
    </message>
    <message>
        <source>Pin11 - We6 - Uniwersalne3</source>
        <translation>Pin11 - In6 - Universal3</translation>
    </message>
    <message>
        <source>Pin12 - We7 - Uniwersalne4</source>
        <translation>Pin12 - In7 - Universal4</translation>
    </message>
    <message>
        <source>Opis: %1</source>
        <translation>Description: %1</translation>
    </message>
    <message>
        <source>Funkcja: %1</source>
        <translation>Action: %1</translation>
    </message>
    <message>
        <source>Funkcja: Wysłanie SMS</source>
        <translation>Action: Send SMS</translation>
    </message>
    <message>
        <source>Telefon: %1</source>
        <translation>Phone: %1</translation>
    </message>
    <message>
        <source>Treść: %1</source>
        <translation>Text: %1</translation>
    </message>
    <message>
        <source>Funkcja: Wysłanie RING</source>
        <translation>Action: Call (RING)</translation>
    </message>
    <message>
        <source>Reaguje na: rozwarcie</source>
        <translation>Triggered by: opening</translation>
    </message>
    <message>
        <source>Reaguje na: zwarcie</source>
        <translation>Triggered by: closing</translation>
    </message>
    <message>
        <source>Funkcja: niewykorzystane</source>
        <translation>Action: not used</translation>
    </message>
    <message>
        <source>Numer telefonu: %1</source>
        <translation>Phone number: %1</translation>
    </message>
    <message>
        <source>Data wydruku: %1</source>
        <translation>Printed on: %1</translation>
    </message>
    <message>
        <source>Nazwa ustawień: %1</source>
        <translation>Settings name: %1</translation>
    </message>
    <message>
        <source>*** SIM ***</source>
        <translation>*** SIM ***</translation>
    </message>
    <message>
        <source>PIN: %1</source>
        <translation>PIN: %1</translation>
    </message>
    <message>
        <source>Centrum SMS: %1</source>
        <translation>SMS centre: %1</translation>
    </message>
    <message>
        <source>*** Wejścia ***</source>
        <translation>*** Inputs ***</translation>
    </message>
    <message>
        <source>*** Wyjście ***</source>
        <translation>*** Output ***</translation>
    </message>
    <message>
        <source>Załączaj wyjście przy aktywacji wejścia alarmowego</source>
        <translation>Switch the output on when the alarm input activates</translation>
    </message>
    <message>
        <source>Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7</source>
        <translation>Switch the output on when input 4, 5, 6 or 7 opens</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście dzwonieniem do modułu</source>
        <translation>Switch the output off by calling the module</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie %1: TAK</source>
        <translation>Switch the output off after %1: YES</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie: NIE</source>
        <translation>Switch the output off after a time: NO</translation>
    </message>
    <message>
        <source>Kod załączający wyjście: %1</source>
        <translation>Output switch-on code: %1</translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście: %1</source>
        <translation>Output switch-off code: %1</translation>
    </message>
    <message>
        <source>*** SMS ***</source>
        <translation>*** SMS ***</translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie %1 SMS w ciągu %2 godziny</source>
        <translation>Send at most %1 SMS within %2 hour(s)</translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS: %1</source>
        <translation>Time to wait for the network to confirm an SMS: %1</translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia: %1</source>
        <translation>Attempts to send an SMS without confirmation: %1</translation>
    </message>
    <message>
        <source>*** TEST ***</source>
        <translation>*** TEST ***</translation>
    </message>
    <message>
        <source>Wysylaj co: %1 godzin(y) + %2 x10 minut</source>
        <translation>Send every: %1 hour(s) + %2 x10 minutes</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie nr %1</source>
        <translation>Periodic event %1</translation>
    </message>
    <message>
        <source>*** RING ***</source>
        <translation>*** RING ***</translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia): %1sek.</source>
        <translation>Ringing time: %1s</translation>
    </message>
    <message>
        <source>Ilość dzwonień: %1</source>
        <translation>Number of calls: %1</translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami: %1sek.</source>
        <translation>Interval between calls: %1s</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po %1sek.: TAK</source>
        <translation>Reject the call after %1s: YES</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po %1: NIE</source>
        <translation>Reject the call after %1: NO</translation>
    </message>
    <message>
        <source>Odbierz połączenie</source>
        <translation>Answer the call</translation>
    </message>
    <message>
        <source>*** MODUŁ ***</source>
        <translation>*** MODULE ***</translation>
    </message>
    <message>
        <source>Kod dostępu do ustawień: %1</source>
        <translation>Settings access code: %1</translation>
    </message>
    <message>
        <source>Koniec wydruku.</source>
        <translation>End of printout.</translation>
    </message>
    <message>
        <source>Czterocyfrowy kod PIN karty SIM</source>
        <translation>Four-digit SIM card PIN</translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu ustawień z modułu</source>
        <translation>PIN required to read settings from the module</translation>
    </message>
    <message>
        <source>Numer centrum SMS operatora sieci GSM/DCS</source>
        <translation>SMS centre number of the GSM/DCS network</translation>
    </message>
    <message>
        <source>Kod załączający wyjście</source>
        <translation>Output switch-on code</translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście</source>
        <translation>Output switch-off code</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie</source>
        <translation>Switch the output off after a time</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie [sek.]</source>
        <translation>Switch the output off after [s]</translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie wiadomości SMS</source>
        <translation>Send at most (SMS messages)</translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu godzin(y)</source>
        <translation>SMS messages within hour(s)</translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS [sek.]</source>
        <translation>Time to wait for the network to confirm an SMS [s]</translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia</source>
        <translation>Attempts to send an SMS without confirmation</translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia) [sek.]</source>
        <translation>Ringing time [s]</translation>
    </message>
    <message>
        <source>Ilość dzwonień</source>
        <translation>Number of calls</translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami [sek.]</source>
        <translation>Interval between calls [s]</translation>
    </message>
    <message>
        <source>Odrzuć połączenie po [sek.]</source>
        <translation>Reject the call after [s]</translation>
    </message>
    <message>
        <source>Odrzucaj połączenia przychodzące</source>
        <translation>Reject incoming calls</translation>
    </message>
    <message>
        <source>Wysyłaj co ... godzin(y)</source>
        <translation>Send every ... hour(s)</translation>
    </message>
    <message>
        <source>godzin(y) + ... [x10 minut]</source>
        <translation>hour(s) + ... [x10 minutes]</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 1: Funkcja</source>
        <translation>Periodic event 1: Action</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 1: Numer telefonu</source>
        <translation>Periodic event 1: Phone number</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 1: Treść wiadomości SMS</source>
        <translation>Periodic event 1: SMS text</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 2: Funkcja</source>
        <translation>Periodic event 2: Action</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 2: Numer telefonu</source>
        <translation>Periodic event 2: Phone number</translation>
    </message>
    <message>
        <source>Okresowe zdarzenie numer 2: Treść wiadomości SMS</source>
        <translation>Periodic event 2: SMS text</translation>
    </message>
    <message>
        <source>Komentarz użytkownika</source>
        <translation>User comment</translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Reaguje na</source>
        <translation>Triggered by</translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Treść SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source>Blokowane</source>
        <translation>Lockable</translation>
    </message>
    <message>
        <source>Błędny numer telefonu dla wysłania SMS.</source>
        <translation>Wrong phone number for sending the SMS.</translation>
    </message>
    <message>
        <source>Błędny numer telefonu dla funkcji RING.</source>
        <translation>Wrong phone number for the RING function.</translation>
    </message>
    <message>
        <source>Brak treści wiadomości SMS.</source>
        <translation>The SMS text is missing.</translation>
    </message>
    <message>
        <source>Niewłaściwy znak treści SMS (polska litera?).</source>
        <translation>Character not allowed in the SMS text (a Polish letter?).</translation>
    </message>
    <message>
        <source>Zbyt długa treść wiadomości SMS (maks. 60 znaków).</source>
        <translation>The SMS text is too long (60 characters at most).</translation>
    </message>
    <message>
        <source>Błędne parametry dla wejścia nr %1.</source>
        <translation>Wrong settings for input %1.</translation>
    </message>
    <message>
        <source>Błędne parametry dla funkcji testu okresowego.</source>
        <translation>Wrong settings for the periodic test.</translation>
    </message>
    <message>
        <source>Kod PIN powinien składać się z 4 cyfr.</source>
        <translation>The PIN must have 4 digits.</translation>
    </message>
    <message>
        <source>Kod PIN powinien zawierać tylko cyfry.</source>
        <translation>The PIN may contain digits only.</translation>
    </message>
    <message>
        <source>Kod powinien składać się z dwóch dowolnych znaków.</source>
        <translation>The code must have exactly two characters.</translation>
    </message>
    <message>
        <source>Niewłaściwy kod PIN karty SIM.</source>
        <translation>Wrong SIM card PIN.</translation>
    </message>
    <message>
        <source>Niewłaściwy kod PIN modułu.</source>
        <translation>Wrong module PIN.</translation>
    </message>
    <message>
        <source>Brak numeru centrum SMS.</source>
        <translation>The SMS centre number is missing.</translation>
    </message>
    <message>
        <source>Niewłaściwy numer centrum SMS.</source>
        <translation>Wrong SMS centre number.</translation>
    </message>
    <message>
        <source>Błędny numer centrum SMS.</source>
        <translation>Invalid SMS centre number.</translation>
    </message>
    <message>
        <source>Można użyć tylko cyfry i znak "+"</source>
        <translation>Only digits and the "+" sign are allowed</translation>
    </message>
    <message>
        <source>Błędny kod załączający wyjście.</source>
        <translation>Invalid output switch-on code.</translation>
    </message>
    <message>
        <source>Błędny kod wyłączający wyjście.</source>
        <translation>Invalid output switch-off code.</translation>
    </message>
    <message>
        <source>Zerowy czas wysyłania testu okresowego!</source>
        <translation>The periodic test interval is zero!</translation>
    </message>
    <message>
        <source>%1 nie jest folderem</source>
        <translation>%1 is not a folder</translation>
    </message>
    <message>
        <source>brak prawa zapisu w folderze %1</source>
        <translation>no permission to write in the folder %1</translation>
    </message>
    <message>
        <source>folder %1 jest na nośniku tylko do odczytu</source>
        <translation>the folder %1 is on a read-only medium</translation>
    </message>
    <message>
        <source>nie można zapisać w folderze %1: %2</source>
        <translation>cannot write in the folder %1: %2</translation>
    </message>
    <message>
        <source>%1 jest folderem</source>
        <translation>%1 is a folder</translation>
    </message>
    <message>
        <source>plik %1 jest tylko do odczytu</source>
        <translation>the file %1 is read-only</translation>
    </message>
    <message>
        <source>folder %1 nie istnieje</source>
        <translation>the folder %1 does not exist</translation>
    </message>
    <message>
        <source>nie można utworzyć folderu archiwum</source>
        <translation>cannot create the archive folder</translation>
    </message>
    <message>
        <source>nie można utworzyć folderu w archiwum</source>
        <translation>cannot create a folder in the archive</translation>
    </message>
    <message>
        <source>nie można zapisać %1</source>
        <translation>cannot write %1</translation>
    </message>
    <message>
        <source>nie można nadać wpisowi jego nazwy</source>
        <translation>cannot give the entry its name</translation>
    </message>
    <message>
        <source>za dużo wpisów o tej nazwie w jednej sekundzie</source>
        <translation>too many entries of that name in one second</translation>
    </message>
    <message>
        <source>brak pliku entry.json</source>
        <translation>no entry.json</translation>
    </message>
    <message>
        <source>entry.json nie jest poprawnym wpisem</source>
        <translation>entry.json is not a valid entry</translation>
    </message>
    <message>
        <source>nieznany klucz ustawień</source>
        <translation>unknown settings key</translation>
    </message>
    <message>
        <source>oczekiwano tekstu</source>
        <translation>expected a string</translation>
    </message>
    <message>
        <source>znak spoza strony kodowej 1250 (bajt %1)</source>
        <translation>a character that code page 1250 cannot hold (at byte %1)</translation>
    </message>
    <message>
        <source>za długi tekst (najwyżej %1 zn.)</source>
        <translation>longer than %1 characters</translation>
    </message>
    <message>
        <source>oczekiwano liczby całkowitej</source>
        <translation>expected an integer number</translation>
    </message>
    <message>
        <source>poza zakresem liczb 32-bitowych</source>
        <translation>outside the 32-bit integer range</translation>
    </message>
    <message>
        <source>oczekiwano true lub false</source>
        <translation>expected true or false</translation>
    </message>
    <message>
        <source>nieobsługiwany rodzaj wartości</source>
        <translation>unsupported kind of value</translation>
    </message>
    <message>
        <source>to nie jest poprawny JSON</source>
        <translation>not valid JSON</translation>
    </message>
    <message>
        <source>oczekiwano obiektu JSON z kluczami ustawień</source>
        <translation>expected a JSON object of settings keys</translation>
    </message>
    <message>
        <source>pole w cudzysłowie nie jest zamknięte</source>
        <translation>a quoted field is not closed</translation>
    </message>
    <message>
        <source>tekst po zamykającym cudzysłowie</source>
        <translation>text after the closing quote</translation>
    </message>
    <message>
        <source>cudzysłów wewnątrz pola bez cudzysłowów</source>
        <translation>a quote inside an unquoted field</translation>
    </message>
    <message>
        <source>znak powrotu karetki (CR) poza cudzysłowem</source>
        <translation>a carriage return outside quotes</translation>
    </message>
    <message>
        <source>pusta nazwa</source>
        <translation>the name is empty</translation>
    </message>
    <message>
        <source>nazwa "." lub ".."</source>
        <translation>the name is "." or ".."</translation>
    </message>
    <message>
        <source>nazwa zawiera separator ścieżki</source>
        <translation>the name holds a path separator</translation>
    </message>
    <message>
        <source>nazwa zawiera znak sterujący</source>
        <translation>the name holds a control character</translation>
    </message>
    <message>
        <source>znak spoza strony kodowej 1250</source>
        <translation>a character that code page 1250 cannot hold</translation>
    </message>
    <message>
        <source>ukośnik wsteczny, po którym nie ma \xHH</source>
        <translation>a backslash that does not start \xHH</translation>
    </message>
    <message>
        <source>ustawienia nie przechowają go w całości</source>
        <translation>not kept whole by the settings</translation>
    </message>
    <message>
        <source>to nie jest liczba całkowita</source>
        <translation>not a decimal integer</translation>
    </message>
    <message>
        <source>poza zakresem %1..%2</source>
        <translation>outside the range %1..%2</translation>
    </message>
    <message>
        <source>oczekiwano 0 lub 1</source>
        <translation>expected 0 or 1</translation>
    </message>
    <message>
        <source>tabela jest pusta: brak wiersza nagłówka</source>
        <translation>the table is empty: no header row</translation>
    </message>
    <message>
        <source>pierwsza kolumna musi się nazywać "name"</source>
        <translation>the first column must be "name"</translation>
    </message>
    <message>
        <source>powtórzona kolumna</source>
        <translation>a repeated column</translation>
    </message>
    <message>
        <source>to nie jest klucz ustawień</source>
        <translation>not a settings key</translation>
    </message>
    <message>
        <source>liczba komórek: %1, a w nagłówku: %2</source>
        <translation>%1 cells where the header has %2</translation>
    </message>
    <message>
        <source>to nie jest tekst UTF-8</source>
        <translation>not UTF-8 text</translation>
    </message>
    <message>
        <source>powtórzona nazwa</source>
        <translation>a repeated name</translation>
    </message>
</context>
<context>
    <name>brenvox::cli</name>
    <message>
        <source>nie można otworzyć - %1</source>
        <translation>cannot be opened - %1</translation>
    </message>
    <message>
        <source>brak odpowiedzi modułu</source>
        <translation>no module answered</translation>
    </message>
    <message>
        <source>Nie można otworzyć obrazu pamięci: %1</source>
        <translation>Cannot open the memory image: %1</translation>
    </message>
    <message>
        <source>To nie jest obraz pamięci modułu (musi mieć dokładnie %1 bajtów): %2</source>
        <translation>Not a module memory image (it must be exactly %1 bytes): %2</translation>
    </message>
    <message>
        <source>wersja modułu: 1.0 lub 1.1</source>
        <translation>module version: 1.0 or 1.1</translation>
    </message>
    <message>
        <source>WERSJA</source>
        <translation>VERSION</translation>
    </message>
    <message>
        <source>OBRAZ</source>
        <translation>IMAGE</translation>
    </message>
    <message>
        <source>Sprawdza plik ustawień i tworzy z niego obraz pamięci modułu danej wersji (2048 bajtów).</source>
        <translation>Check a settings file and build the memory image of one module version from it (2048 bytes).</translation>
    </message>
    <message>
        <source>PLIK</source>
        <translation>FILE</translation>
    </message>
    <message>
        <source>plik ustawień</source>
        <translation>settings file</translation>
    </message>
    <message>
        <source>plik obrazu do zapisania</source>
        <translation>image file to write</translation>
    </message>
    <message>
        <source>wypisuje zrzut szesnastkowy (adres i 16 bajtów w wierszu) zamiast zapisywać plik</source>
        <translation>print a hex dump (address and 16 bytes a row) instead of writing a file</translation>
    </message>
    <message>
        <source>Polecenie %1 wymaga opcji %2 albo %3.</source>
        <translation>The command %1 needs the option %2 or %3.</translation>
    </message>
    <message>
        <source>Zamienia obraz pamięci modułu (2048 bajtów) w plik ustawień.</source>
        <translation>Turn a module memory image (2048 bytes) into a settings file.</translation>
    </message>
    <message>
        <source>plik obrazu pamięci</source>
        <translation>memory image file</translation>
    </message>
    <message>
        <source>plik ustawień do zapisania</source>
        <translation>settings file to write</translation>
    </message>
    <message>
        <source>Nie można odczytać folderu %1.</source>
        <translation>Cannot list the folder %1.</translation>
    </message>
    <message>
        <source>Pominięto %1</source>
        <translation>Skipped %1</translation>
    </message>
    <message>
        <source>Zapisuje po jednym pliku ustawień na każdy wiersz tabeli TABELA: SZABLON z wartościami z tego wiersza.
TABELA to plik CSV (UTF-8, pola rozdzielone przecinkami, jeden wiersz nagłówka). Pierwsza kolumna to 'name', nazwa pliku jednostki; pozostałe to klucze ustawień tak, jak je nazywa 'show', z wartościami zapisanymi tak, jak je wypisuje 'show'; pusta komórka zostawia wartość z szablonu. Błędna tabela kończy z kodem 2 i nic nie jest zapisywane; jednostka, która nie przechodzi kontroli 'validate', zostaje wypisana i nie jest zapisywana (kod 1).</source>
        <translation>Write one settings file per row of TABLE: TEMPLATE with the row's values applied.
TABLE is a CSV file (UTF-8, comma-separated, one header row). The first column is 'name', the file name of the unit; the others are settings keys as 'show' names them, holding values as 'show' prints them; an empty cell keeps the template's value. A malformed table exits 2 and writes nothing; a unit that fails the checks of 'validate' is listed and not written (exit 1).</translation>
    </message>
    <message>
        <source>SZABLON</source>
        <translation>TEMPLATE</translation>
    </message>
    <message>
        <source>plik ustawień, od którego zaczyna każda jednostka</source>
        <translation>settings file every unit starts from</translation>
    </message>
    <message>
        <source>TABELA</source>
        <translation>TABLE</translation>
    </message>
    <message>
        <source>tabela jednostek w CSV</source>
        <translation>CSV table of units</translation>
    </message>
    <message>
        <source>folder na pliki jednostek (tworzony, gdy go nie ma)</source>
        <translation>folder to write the units into (created if missing)</translation>
    </message>
    <message>
        <source>FOLDER</source>
        <translation>DIR</translation>
    </message>
    <message>
        <source>Wypisuje przesłania zarchiwizowane w folderze FOLDER, od najnowszego: CZAS TRYB NAZWA WERSJA SHA256[:12] WYNIK
(SHA256 obrazu zapisanego, porównanego lub odczytanego, - gdy wpis go nie ma; WYNIK to Success, Aborted, NoResponse, WriteError, CheckError, RestartError, UnsupportedModule lub PinRefused).</source>
        <translation>List the transfers archived in DIR, newest first: TIME MODE NAME VERSION SHA256[:12] OUTCOME
(SHA256 of the image written, compared or read, - when the entry keeps none; OUTCOME is Success, Aborted, NoResponse, WriteError, CheckError, RestartError, UnsupportedModule or PinRefused).</translation>
    </message>
    <message>
        <source>folder archiwum (ten podany w --archive)</source>
        <translation>archive folder (as given to --archive)</translation>
    </message>
    <message>
        <source>tylko wpisy, których nazwa ustawień zawiera TEKST (bez względu na wielkość liter)</source>
        <translation>only the entries whose settings name contains TEXT, ignoring case</translation>
    </message>
    <message>
        <source>TEKST</source>
        <translation>TEXT</translation>
    </message>
    <message>
        <source>Nie można zapisać pliku śladu: %1</source>
        <translation>Cannot write the trace file: %1</translation>
    </message>
    <message>
        <source>Nie można zapisać obrazu pamięci: %1</source>
        <translation>Cannot write the memory image: %1</translation>
    </message>
    <message>
        <source>Nie można zapisać %1 (%2): %3. Nic nie zostało wysłane do modułu.</source>
        <translation>Cannot write %1 (%2): %3. Nothing was sent to the module.</translation>
    </message>
    <message>
        <source>Nie udało się odczytać modułu; nic nie zostało w nim zapisane.</source>
        <translation>The module could not be read; nothing was written to it.</translation>
    </message>
    <message>
        <source>Pamięć modułu zapisana w %1</source>
        <translation>Module memory saved to %1</translation>
    </message>
    <message>
        <source>Przesłanie zarchiwizowane w %1</source>
        <translation>Transfer archived in %1</translation>
    </message>
    <message>
        <source>Uwaga: przesłania nie zarchiwizowano w %1: %2</source>
        <translation>Warning: the transfer was not archived in %1: %2</translation>
    </message>
    <message>
        <source>Nie można uruchomić symulowanego modułu: %1</source>
        <translation>Cannot start the simulated module: %1</translation>
    </message>
    <message>
        <source>Symulowany moduł (wersja 1.1) na %1</source>
        <translation>Simulated module (version 1.1) on %1</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu tymczasowego</source>
        <translation>Cannot create a temporary folder</translation>
    </message>
    <message>
        <source>(ustawienia domyślne)</source>
        <translation>(the default settings)</translation>
    </message>
    <message>
        <source>Odczytane ustawienia dają ten sam obraz pamięci, który zaprogramowano.</source>
        <translation>The settings read back encode to the image that was programmed.</translation>
    </message>
    <message>
        <source>Odczytane ustawienia różnią się od zaprogramowanych!</source>
        <translation>The settings read back differ from those programmed!</translation>
    </message>
    <message>
        <source>Polecenie demo wymaga symulatora modułu, którego na tym systemie nie ma.</source>
        <translation>The demo command needs the module simulator, which this system does not have.</translation>
    </message>
    <message>
        <source>ścieżka portu szeregowego (np. /dev/ttyUSB0, COM12); nie razem z --port</source>
        <translation>serial device path (e.g. /dev/ttyUSB0, COM12); not with --port</translation>
    </message>
    <message>
        <source>URZĄDZENIE</source>
        <translation>DEVICE</translation>
    </message>
    <message>
        <source>numer portu 1..8 (z --type)</source>
        <translation>port number 1..8 (with --type)</translation>
    </message>
    <message>
        <source>NR</source>
        <translation>N</translation>
    </message>
    <message>
        <source>rodzaj portu z --port: COM, USB lub IrDA (domyślnie COM)</source>
        <translation>port type of --port: COM, USB or IrDA (default COM)</translation>
    </message>
    <message>
        <source>RODZAJ</source>
        <translation>TYPE</translation>
    </message>
    <message>
        <source>zapisuje każdą wysłaną i odebraną ramkę wraz z czasem do pliku PLIK</source>
        <translation>write every frame sent and received to FILE, with times</translation>
    </message>
    <message>
        <source>Opcji %1 nie można podać razem z %2.</source>
        <translation>The option %1 cannot be given together with %2.</translation>
    </message>
    <message>
        <source>Opcja %1 wymaga opcji %2.</source>
        <translation>The option %1 needs the option %2.</translation>
    </message>
    <message>
        <source>zachowuje każde przesłanie, które dotarło do modułu, w nowym podfolderze folderu FOLDER: jego zapis i wynik, ustawienia, obraz pamięci i ślad (zob. history)</source>
        <translation>keep every transfer that reached the module in a new folder of DIR: its record and outcome, the settings, the memory image and the trace (see history)</translation>
    </message>
    <message>
        <source>PIN</source>
        <translation>PIN</translation>
    </message>
    <message>
        <source>Sprawdza ustawienia, a potem zapisuje je w module i weryfikuje (kod 0 po powodzeniu).</source>
        <translation>Check the settings, then write them into the module and verify (exit 0 on success).</translation>
    </message>
    <message>
        <source>przed zapisem odczytuje całą pamięć modułu do pliku OBRAZ</source>
        <translation>read the module's whole memory into IMAGE before writing</translation>
    </message>
    <message>
        <source>Porównuje pamięć modułu z ustawieniami (kod 0, gdy są jednakowe).</source>
        <translation>Compare the module's memory with the settings (exit 0 when equal).</translation>
    </message>
    <message>
        <source>przy różnicy odczytuje moduł i wypisuje różniące się ustawienia</source>
        <translation>on a mismatch read the module and list the settings that differ</translation>
    </message>
    <message>
        <source>kod PIN modułu, potrzebny do --report, gdy moduł go ma</source>
        <translation>module PIN, needed by --report when the module has one</translation>
    </message>
    <message>
        <source>Odczytuje ustawienia z modułu do pliku ustawień (kod 0 po powodzeniu).</source>
        <translation>Read the settings out of the module into a settings file (exit 0 on success).</translation>
    </message>
    <message>
        <source>kod PIN modułu, gdy moduł go ma</source>
        <translation>module PIN, when the module has one</translation>
    </message>
    <message>
        <source>zapisuje też surową pamięć modułu (2048 bajtów) do pliku OBRAZ</source>
        <translation>also write the module's raw memory (2048 bytes) to IMAGE</translation>
    </message>
    <message>
        <source>Wypisuje obecne porty szeregowe. Z --probe budzi po kolei każdy z nich i pyta o wersję i typ modułu (niczego nie zapisuje); kod 1, gdy żaden moduł nie odpowiedział.</source>
        <translation>List the serial devices present. With --probe wake each in turn and ask for the module's version and type (nothing is written); exit 1 when no module answered.</translation>
    </message>
    <message>
        <source>pyta każde urządzenie, czy jest na nim moduł</source>
        <translation>ask each device whether a module is on it</translation>
    </message>
    <message>
        <source>pyta tylko to urządzenie (można powtarzać; z --probe)</source>
        <translation>ask only this device (repeatable; with --probe)</translation>
    </message>
    <message>
        <source>Programuje, porównuje i odczytuje symulowany moduł z ustawieniami domyślnymi.</source>
        <translation>Program, compare and read a simulated module with the default settings.</translation>
    </message>
    <message>
        <source>%1: klucz "%2": %3</source>
        <translation>%1: key "%2": %3</translation>
    </message>
    <message>
        <source>--date: oczekiwano DD-MM-RRRR, podano "%1"</source>
        <translation>--date: expected DD-MM-YYYY, got "%1"</translation>
    </message>
    <message>
        <source>Zapisuje ustawienia domyślne do pliku PLIK.</source>
        <translation>Write the default settings to FILE.</translation>
    </message>
    <message>
        <source>Wypisuje po jednym wierszu KLUCZ=wartość na każdy klucz ustawień, w kolejności z pliku.</source>
        <translation>Print one KEY=value line per settings key, in file order.</translation>
    </message>
    <message>
        <source>Wypisuje ustawienia jako obiekt JSON z kluczami ustawień.</source>
        <translation>Print the settings as a JSON object of settings keys.</translation>
    </message>
    <message>
        <source>Zapisuje plik ustawień z obiektu JSON: ustawienia domyślne, a na nich wartości kluczy obecnych w obiekcie.</source>
        <translation>Write a settings file from a JSON object: the defaults with the members present applied.</translation>
    </message>
    <message>
        <source>plik JSON</source>
        <translation>JSON file</translation>
    </message>
    <message>
        <source>Wykonuje kontrole poprzedzające przesłanie do modułu; wypisuje pierwszy błąd i kończy z kodem 1.</source>
        <translation>Run the checks made before a transfer; print the first failure and exit 1.</translation>
    </message>
    <message>
        <source>Wypisuje wiersze wydruku ustawień albo zapisuje wydruk jako plik PDF (--pdf).</source>
        <translation>Print the lines of the settings printout, or write the printout as a PDF file (--pdf).</translation>
    </message>
    <message>
        <source>data na wydruku, DD-MM-RRRR (domyślnie dzisiejsza)</source>
        <translation>date printed, DD-MM-YYYY (default: today)</translation>
    </message>
    <message>
        <source>DATA</source>
        <translation>DATE</translation>
    </message>
    <message>
        <source>nazwa ustawień na wydruku (domyślnie nazwa pliku)</source>
        <translation>settings name printed (default: the file name)</translation>
    </message>
    <message>
        <source>NAZWA</source>
        <translation>NAME</translation>
    </message>
    <message>
        <source>zapisuje wydruk do tego pliku PDF (A4; nowy plik jest dostępny tylko dla użytkownika) zamiast wypisywać jego wiersze</source>
        <translation>write the printout into this PDF file (A4; private to the user when new) instead of printing its lines</translation>
    </message>
    <message>
        <source>Wypisuje klucze o różnych wartościach jako 'KLUCZ: a -&gt; b'; kończy z kodem 1, gdy takie są.</source>
        <translation>List the keys whose values differ as 'KEY: a -&gt; b'; exit 1 if any.</translation>
    </message>
    <message>
        <source>pierwszy plik ustawień</source>
        <translation>first settings file</translation>
    </message>
    <message>
        <source>drugi plik ustawień</source>
        <translation>second settings file</translation>
    </message>
    <message>
        <source>--lang: oczekiwano pl lub en</source>
        <translation>--lang: expected pl or en</translation>
    </message>
    <message>
        <source>brenvox-cli: edytuje, sprawdza, drukuje, koduje i przesyła ustawienia modułu powiadamiania GSM.
Pliki ustawień są własnymi, zakodowanymi plikami tekstowymi programu; teksty są wypisywane w UTF-8.
Kod wyjścia: 0 powodzenie, 1 operacja się nie powiodła (nieudana kontrola, różnica, nieudane przesłanie), 2 błąd wywołania lub pliku.</source>
        <translation>brenvox-cli: edits, checks, prints, encodes and transfers the settings of the GSM alarm notifier module.
Settings files are the program's own scrambled text files; texts are printed in UTF-8.
Exit status: 0 success, 1 the operation failed (a failed check, a difference, a transfer that did not succeed), 2 usage or file error.</translation>
    </message>
    <message>
        <source>wypisuje wersję programu i kończy działanie</source>
        <translation>show the program's version and exit</translation>
    </message>
    <message>
        <source>język komunikatów: pl lub en (domyślnie język systemu: angielski, gdy system jest angielski, w każdym innym wypadku polski); pliki i wyniki przeznaczone dla skryptów nie zależą od języka</source>
        <translation>language of the lines meant for people: pl or en (default: the system's; Polish unless that is English); files and machine-readable output never change with it</translation>
    </message>
    <message>
        <source>JĘZYK</source>
        <translation>LANG</translation>
    </message>
    <message>
        <source>Opcje</source>
        <translation>Options</translation>
    </message>
    <message>
        <source>Polecenia</source>
        <translation>Commands</translation>
    </message>
    <message>
        <source>wypisuje tę pomoc i kończy działanie</source>
        <translation>show this help and exit</translation>
    </message>
    <message>
        <source>Pomoc do polecenia: %1 POLECENIE --help</source>
        <translation>A command's help: %1 COMMAND --help</translation>
    </message>
</context>
<context>
    <name>brenvox::msg</name>
    <message>
        <source>Potwierdź</source>
        <translation>Confirm</translation>
    </message>
    <message>
        <source>Informacja</source>
        <translation>Information</translation>
    </message>
    <message>
        <source>Problem z utworzeniem pliku na dysku!</source>
        <translation>The file could not be created on disk!</translation>
    </message>
    <message>
        <source>Problem z otwarciem pliku!</source>
        <translation>The file could not be opened!</translation>
    </message>
    <message>
        <source>Błąd odczytu ustawień!</source>
        <translation>Error reading the settings!</translation>
    </message>
    <message>
        <source>Przywrócone ustawienia domyślne.</source>
        <translation>The default settings have been restored.</translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation>New</translation>
    </message>
</context>
<context>
    <name>brenvox::pages</name>
    <message>
        <source>1.Pliki</source>
        <translation>1.Files</translation>
    </message>
    <message>
        <source> Ustawienia </source>
        <translation> Settings </translation>
    </message>
    <message>
        <source>Nowy</source>
        <translation>New</translation>
    </message>
    <message>
        <source>Reset ustawień.</source>
        <translation>Reset the settings.</translation>
    </message>
    <message>
        <source>Archiwum</source>
        <translation>Archive</translation>
    </message>
    <message>
        <source>Transmisje z modułami.</source>
        <translation>Transfers with modules.</translation>
    </message>
    <message>
        <source>Drukuj</source>
        <translation>Print</translation>
    </message>
    <message>
        <source>Wydruk ustawień.</source>
        <translation>Print the settings.</translation>
    </message>
    <message>
        <source>Zapisz jako PDF</source>
        <translation>Save as PDF</translation>
    </message>
    <message>
        <source>Wydruk do pliku PDF.</source>
        <translation>Printout to a PDF file.</translation>
    </message>
    <message>
        <source> Operacje dyskowe </source>
        <translation> Disk operations </translation>
    </message>
    <message>
        <source>Odczytaj</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>Wprowadza do programu ustawienia zapisane wcześniej na dysku.</source>
        <translation>Loads settings saved on disk earlier.</translation>
    </message>
    <message>
        <source>Zapisz</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk do ich późniejszego odtworzenia.</source>
        <translation>Saves the current settings to disk to be loaded again later.</translation>
    </message>
    <message>
        <source>Zapisz jako</source>
        <translation>Save as</translation>
    </message>
    <message>
        <source>Zapisuje bieżące ustawienia na dysk pod wskazaną nazwą.</source>
        <translation>Saves the current settings to disk under a name you choose.</translation>
    </message>
    <message>
        <source>2.SIM</source>
        <translation>2.SIM</translation>
    </message>
    <message>
        <source> Ustawienia karty SIM znajdującej się w telefonie współpracującym z modułem </source>
        <translation> SIM card in the phone connected to the module </translation>
    </message>
    <message>
        <source>Czterocyfrowy kod PIN karty SIM</source>
        <translation>Four-digit SIM card PIN</translation>
    </message>
    <message>
        <source>Numer centrum SMS operatora sieci GSM/DCS</source>
        <translation>SMS centre number of the GSM/DCS network</translation>
    </message>
    <message>
        <source>Automatyczne wstawienie numeru centrum SMS dla operatora:</source>
        <translation>Fill in the SMS centre number of the network:</translation>
    </message>
    <message>
        <source>3.Wejścia</source>
        <translation>3.Inputs</translation>
    </message>
    <message>
        <source> Konfiguracja wejścia modułu </source>
        <translation> Input configuration </translation>
    </message>
    <message>
        <source>Komentarz użytkownika</source>
        <translation>User comment</translation>
    </message>
    <message>
        <source>Blokowane</source>
        <translation>Lockable</translation>
    </message>
    <message>
        <source>Funkcja</source>
        <translation>Action</translation>
    </message>
    <message>
        <source>Numer telefonu</source>
        <translation>Phone number</translation>
    </message>
    <message>
        <source>Treść SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source> Opis wejścia modułu </source>
        <translation> Input description </translation>
    </message>
    <message>
        <source>4.Wyjście</source>
        <translation>4.Output</translation>
    </message>
    <message>
        <source> Parametry pracy wyjścia </source>
        <translation> Output operation </translation>
    </message>
    <message>
        <source>Załączaj wyjście przy aktywacji wejścia alarmowego</source>
        <translation>Switch the output on when the alarm input activates</translation>
    </message>
    <message>
        <source>Załączaj wyjście przy rozwarciu wejścia 4 lub 5 lub 6 lub 7.</source>
        <translation>Switch the output on when input 4, 5, 6 or 7 opens.</translation>
    </message>
    <message>
        <source>Kod załączający wyjście</source>
        <translation>Output switch-on code</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście dzwonieniem do modułu</source>
        <translation>Switch the output off by calling the module</translation>
    </message>
    <message>
        <source>Wyłączaj wyjście po czasie</source>
        <translation>Switch the output off after a time</translation>
    </message>
    <message>
        <source>[sek.]</source>
        <translation>[s]</translation>
    </message>
    <message>
        <source>Kod wyłączający wyjście</source>
        <translation>Output switch-off code</translation>
    </message>
    <message>
        <source>(Dla modułu w wersji V1.0 można wybrać tylko jedną funkcję - załączenie lub wyłączenie)</source>
        <translation>(With a V1.0 module only one function can be chosen: switch-on or switch-off)</translation>
    </message>
    <message>
        <source>5.SMS</source>
        <translation>5.SMS</translation>
    </message>
    <message>
        <source> Zabezpieczenie przed nadmierną ilością wysyłanych wiadomości SMS </source>
        <translation> Limit on the number of SMS messages sent </translation>
    </message>
    <message>
        <source>Wysyłaj maksymalnie</source>
        <translation>Send at most</translation>
    </message>
    <message>
        <source>wiadomości SMS w ciągu</source>
        <translation>SMS messages within</translation>
    </message>
    <message>
        <source>godzin(y).</source>
        <translation>hour(s).</translation>
    </message>
    <message>
        <source> Zaawansowane ustawienia wysyłania wiadomości SMS </source>
        <translation> Advanced SMS sending settings </translation>
    </message>
    <message>
        <source>Czas oczekiwania na potwierdzenie przyjęcia SMS przez sieć GSM/DCS</source>
        <translation>Time to wait for the network to confirm an SMS</translation>
    </message>
    <message>
        <source>Ilość prób przesłania wiadomości SMS przy braku potwierdzenia</source>
        <translation>Attempts to send an SMS without confirmation</translation>
    </message>
    <message>
        <source>[szt.]</source>
        <translation>times</translation>
    </message>
    <message>
        <source>Treść wiadomości SMS</source>
        <translation>SMS text</translation>
    </message>
    <message>
        <source>6.TEST</source>
        <translation>6.TEST</translation>
    </message>
    <message>
        <source> Samoczynne, okresowe wysyłanie informacji </source>
        <translation> Automatic periodic test reports </translation>
    </message>
    <message>
        <source>Wysyłaj co</source>
        <translation>Send every</translation>
    </message>
    <message>
        <source>godzin(y) +</source>
        <translation>hour(s) +</translation>
    </message>
    <message>
        <source>[x10 minut]</source>
        <translation>[x10 minutes]</translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 1 </source>
        <translation> Periodic event 1 </translation>
    </message>
    <message>
        <source> Okresowe zdarzenie numer 2 </source>
        <translation> Periodic event 2 </translation>
    </message>
    <message>
        <source>7.RING </source>
        <translation>7.RING </translation>
    </message>
    <message>
        <source> Połączenia wychodzące </source>
        <translation> Outgoing calls </translation>
    </message>
    <message>
        <source>Czas wywoływania (dzwonienia)</source>
        <translation>Ringing time</translation>
    </message>
    <message>
        <source>Ilość dzwonień</source>
        <translation>Number of calls</translation>
    </message>
    <message>
        <source>Odstęp między kolejnymi dzwonieniami</source>
        <translation>Interval between calls</translation>
    </message>
    <message>
        <source> Połączenia przychodzące </source>
        <translation> Incoming calls </translation>
    </message>
    <message>
        <source>Odrzuć połączenie po</source>
        <translation>Reject the call after</translation>
    </message>
    <message>
        <source>Odbierz połączenie</source>
        <translation>Answer the call</translation>
    </message>
    <message>
        <source>(Dostępne od wersji V1.1 modułu)</source>
        <translation>(Module V1.1 and later)</translation>
    </message>
    <message>
        <source>8.Moduł</source>
        <translation>8.Module</translation>
    </message>
    <message>
        <source> Programowanie modułu </source>
        <translation> Programming the module </translation>
    </message>
    <message>
        <source>Programuj</source>
        <translation>Program</translation>
    </message>
    <message>
        <source>PIN wymagany do odczytu</source>
        <translation>PIN required to read</translation>
    </message>
    <message>
        <source>ustawień z modułu</source>
        <translation>settings from the module</translation>
    </message>
    <message>
        <source> Komunikacja </source>
        <translation> Communication </translation>
    </message>
    <message>
        <source> Operacje </source>
        <translation> Operations </translation>
    </message>
    <message>
        <source>Porównanie pamięci modułu z ustawieniami</source>
        <translation>Compare the module memory with the settings</translation>
    </message>
    <message>
        <source>Odczyt ustawień z modułu do programu</source>
        <translation>Read the settings from the module</translation>
    </message>
    <message>
        <source>Rozwarte - Czujnik NO wyłączony / Czujnik NC załączony.</source>
        <translation>Open - NO sensor off / NC sensor on.</translation>
    </message>
    <message>
        <source>Zwarte do masy - Czujnik NO załączony / Czujnik NC wyłączony.</source>
        <translation>Closed to ground - NO sensor on / NC sensor off.</translation>
    </message>
    <message>
        <source>Rozwarcie - Rozwarte</source>
        <translation>Opening - Open</translation>
    </message>
    <message>
        <source>Zwarcie - Zwarte do masy</source>
        <translation>Closing - Closed to ground</translation>
    </message>
    <message>
        <source>Wejście 1 - Blokada pracy modułu  (zwierne do masy 0V).</source>
        <translation>Input 1 - Module lock  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Rozwarte - Moduł reaguje na zmiany sygnałów na pozostałych wejściach.</source>
        <translation>Open - the module responds to changes on the other inputs.</translation>
    </message>
    <message>
        <source>Zwarte do masy - Moduł ignoruje zmiany sygnałów na pozostałych wejściach.</source>
        <translation>Closed to ground - the module ignores changes on the other inputs.</translation>
    </message>
    <message>
        <source>Rozwarcie - Praca dozwolona</source>
        <translation>Open - Module enabled</translation>
    </message>
    <message>
        <source>Zwarcie - Zablokowanie modułu</source>
        <translation>Closed - Module locked</translation>
    </message>
    <message>
        <source>Wejście 2 - Kontrola napięcia akumulatora  (zwierne do +12V).</source>
        <translation>Input 2 - Battery voltage monitoring  (active when closed to +12V).</translation>
    </message>
    <message>
        <source>Napięcie poniżej 10,4V (rozwarte) - niskie napięcie akumulatora.</source>
        <translation>Below 10.4V (open) - battery low.</translation>
    </message>
    <message>
        <source>Napięcie powyżej 10,4V (zwarte do +12V) - napięcie akumulatora właściwe.</source>
        <translation>Above 10.4V (closed to +12V) - battery OK.</translation>
    </message>
    <message>
        <source>Rozwarcie - Awaria akumulatora</source>
        <translation>Opening - Battery failure</translation>
    </message>
    <message>
        <source>Zwarcie - Napięcie właściwe</source>
        <translation>Closing - Battery OK</translation>
    </message>
    <message>
        <source>Wejście 3 - Alarm aktywny  (zwierne do +12V).</source>
        <translation>Input 3 - Alarm active  (active when closed to +12V).</translation>
    </message>
    <message>
        <source>Napięcie poniżej 7V (rozwarte) - stan normalny systemu.</source>
        <translation>Below 7V (open) - system normal.</translation>
    </message>
    <message>
        <source>Napięcie powyżej 7V (zwarte do +12V) - alarmowanie aktywne.</source>
        <translation>Above 7V (closed to +12V) - alarm in progress.</translation>
    </message>
    <message>
        <source>Rozwarcie - Koniec alarmu</source>
        <translation>Opening - Alarm ended</translation>
    </message>
    <message>
        <source>Zwarcie - Alarm uaktywniony</source>
        <translation>Closing - Alarm triggered</translation>
    </message>
    <message>
        <source>Wejście 4 - Uniwersalne nr 1  (zwierne do masy 0V).</source>
        <translation>Input 4 - Universal no. 1  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Wejście 5 - Uniwersalne nr 2  (zwierne do masy 0V).</source>
        <translation>Input 5 - Universal no. 2  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Wejście 6 - Uniwersalne nr 3  (zwierne do masy 0V).</source>
        <translation>Input 6 - Universal no. 3  (active when closed to ground 0V).</translation>
    </message>
    <message>
        <source>Wejście 7 - Uniwersalne nr 4  (zwierne do masy 0V).</source>
        <translation>Input 7 - Universal no. 4  (active when closed to ground 0V).</translation>
    </message>
</context>
<context>
    <name>brenvox::progress</name>
    <message>
        <source>  Moduł:  Kavrex V%1.%2</source>
        <translation>  Module:  Kavrex V%1.%2</translation>
    </message>
    <message>
        <source>  Typ: %1</source>
        <translation>  Type: %1</translation>
    </message>
</context>
<context>
    <name>brenvox::web</name>
    <message>
        <source> Nazwa ustawień: </source>
        <translation> Settings name: </translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Nie</source>
        <translation>No</translation>
    </message>
    <message>
        <source>Anuluj</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>Zamknij</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>Wejścia modułu</source>
        <translation>Module inputs</translation>
    </message>
    <message>
        <source>Czy zapisać aktualne ustawienia na dysk?</source>
        <translation>Save the current settings to disk?</translation>
    </message>
    <message>
        <source>Opcja ta spowoduje usunięcie bieżących ustawień!</source>
        <translation>This will clear the current settings!</translation>
    </message>
    <message>
        <source>Czy potwierdzasz jej wykonanie?</source>
        <translation>Do you want to continue?</translation>
    </message>
    <message>
        <source>Czy wykonać wydruk ustawień?</source>
        <translation>Print the settings?</translation>
    </message>
    <message>
        <source>Programowanie</source>
        <translation>Programming</translation>
    </message>
    <message>
        <source> Postęp programowania </source>
        <translation> Progress </translation>
    </message>
    <message>
        <source>Powtórz</source>
        <translation>Repeat</translation>
    </message>
    <message>
        <source>Przerwij</source>
        <translation>Stop</translation>
    </message>
    <message>
        <source>Wybierz port</source>
        <translation>Choose port</translation>
    </message>
    <message>
        <source>Port szeregowy modułu:</source>
        <translation>Module&apos;s serial port:</translation>
    </message>
    <message>
        <source>wybierany w oknie przeglądarki przy pierwszej operacji</source>
        <translation>chosen in the browser&apos;s window at the first operation</translation>
    </message>
    <message>
        <source>port wybrany w przeglądarce</source>
        <translation>port chosen in the browser</translation>
    </message>
    <message>
        <source>USB %1:%2</source>
        <translation>USB %1:%2</translation>
    </message>
    <message>
        <source>Ta przeglądarka nie ma dostępu do portów szeregowych.</source>
        <translation>This browser has no access to serial ports.</translation>
    </message>
    <message>
        <source>Otwórz stronę w przeglądarce Chrome, Edge lub Opera na komputerze.</source>
        <translation>Open the page in Chrome, Edge or Opera on a computer.</translation>
    </message>
</context>
<context>
    <name>std</name>
    <message>
        <source>Nie wybrano numeru portu - wybierz go na stronie 8.Moduł.</source>
        <translation>No port number chosen - choose one on page 8.Module.</translation>
    </message>
    <message>
        <source>Port %1 nie istnieje. Nie wykryto żadnego portu szeregowego - sprawdź podłączenie kabla.</source>
        <translation>Port %1 does not exist. No serial port was found - check the cable.</translation>
    </message>
    <message>
        <source>Nie wykryto żadnego portu szeregowego.</source>
        <translation>No serial port found.</translation>
    </message>
    <message>
        <source>Moduł ma ustawiony kod PIN: podaj go opcją --pin.</source>
        <translation>The module has a PIN: give it with --pin.</translation>
    </message>
    <message>
        <source>Port %1 nie istnieje. Dostępne porty: %2.</source>
        <translation>Port %1 does not exist. Ports present: %2.</translation>
    </message>
    <message>
        <source>Port %1 jest zajęty przez inny program - zamknij go i powtórz.</source>
        <translation>Port %1 is in use by another program - close it and try again.</translation>
    </message>
    <message>
        <source>Brak uprawnień do portu %1 - dodaj użytkownika do grupy %2 poleceniem: sudo usermod -a -G %2 %3 (działa od następnego zalogowania).</source>
        <translation>No permission to open port %1 - add the user to the group %2 with: sudo usermod -a -G %2 %3 (takes effect at the next login).</translation>
    </message>
    <message>
        <source>Brak uprawnień do portu %1.</source>
        <translation>No permission to open port %1.</translation>
    </message>
    <message>
        <source>%1 nie jest portem szeregowym.</source>
        <translation>%1 is not a serial port.</translation>
    </message>
    <message>
        <source>Nie można otworzyć portu %1.</source>
        <translation>Port %1 cannot be opened.</translation>
    </message>
    <message>
        <source>Nie można otworzyć portu %1: %2.</source>
        <translation>Port %1 cannot be opened: %2.</translation>
    </message>
    <message>
        <source>Porównanie poprawne.</source>
        <translation>Comparison OK.</translation>
    </message>
    <message>
        <source>Odczyt zakończony pozytywnie.</source>
        <translation>Read completed successfully.</translation>
    </message>
    <message>
        <source>Programowanie zakończone pozytywnie.</source>
        <translation>Programming completed successfully.</translation>
    </message>
    <message>
        <source>Porównanie przerwane!</source>
        <translation>Comparison stopped!</translation>
    </message>
    <message>
        <source>Odczyt przerwany!</source>
        <translation>Read stopped!</translation>
    </message>
    <message>
        <source>Programowanie przerwane!</source>
        <translation>Programming stopped!</translation>
    </message>
    <message>
        <source>Brak łączności z modułem!</source>
        <translation>No connection with the module!</translation>
    </message>
    <message>
        <source>Błąd programowania modułu!</source>
        <translation>Module programming error!</translation>
    </message>
    <message>
        <source>Moduł zaprogramowany innymi ustawieniami!</source>
        <translation>The module holds different settings!</translation>
    </message>
    <message>
        <source>Błąd odczytu modułu!</source>
        <translation>Module read error!</translation>
    </message>
    <message>
        <source>Błąd weryfikacji programowania modułu!</source>
        <translation>Module programming verification error!</translation>
    </message>
    <message>
        <source>Błąd restartu modułu - powtórz programowanie!</source>
        <translation>Module restart error - program it again!</translation>
    </message>
    <message>
        <source>Program nie obsługuje tej wersji modułu!</source>
        <translation>This module version is not supported!</translation>
    </message>
    <message>
        <source>Kontrola portu transmisji...</source>
        <translation>Checking the port...</translation>
    </message>
    <message>
        <source>Port komunikacyjny gotowy.</source>
        <translation>Port ready.</translation>
    </message>
    <message>
        <source>Błąd - problem z portem transmisji!</source>
        <translation>Error - port problem!</translation>
    </message>
    <message>
        <source>Przygotowanie danych do przesłania...</source>
        <translation>Preparing the data...</translation>
    </message>
    <message>
        <source>Dane gotowe.</source>
        <translation>Data ready.</translation>
    </message>
    <message>
        <source>Odczyt wersji modułu...</source>
        <translation>Reading the module version...</translation>
    </message>
    <message>
        <source>Programowanie...</source>
        <translation>Programming...</translation>
    </message>
    <message>
        <source>Weryfikacja...</source>
        <translation>Verifying...</translation>
    </message>
    <message>
        <source>Porównanie...</source>
        <translation>Comparing...</translation>
    </message>
    <message>
        <source>Odczyt...</source>
        <translation>Reading...</translation>
    </message>
    <message>
        <source>Reset modułu...</source>
        <translation>Restarting the module...</translation>
    </message>
    <message>
        <source>Różnice ustawień (w programie -&gt; w module):</source>
        <translation>Differences (in the program -&gt; in the module):</translation>
    </message>
    <message>
        <source>Moduł gotowy do pracy.</source>
        <translation>Module ready.</translation>
    </message>
    <message>
        <source>Ustawienia w programie i module jednakowe.</source>
        <translation>The settings in the program and in the module are the same.</translation>
    </message>
    <message>
        <source>Ustawienia z modułu odczytane i zdekodowane.</source>
        <translation>The settings have been read from the module and decoded.</translation>
    </message>
    <message>
        <source>Niepoprawny kod PIN modułu!</source>
        <translation>Wrong module PIN!</translation>
    </message>
    <message>
        <source>PIN modułu</source>
        <translation>Module PIN</translation>
    </message>
    <message>
        <source>Wprowadź 4-ro cyfrowy kod dostępu do modułu</source>
        <translation>Enter the 4-digit access code of the module</translation>
    </message>
    <message>
        <source>TAK</source>
        <translation>YES</translation>
    </message>
    <message>
        <source>NIE</source>
        <translation>NO</translation>
    </message>
    <message>
        <source>%1, zdarzenie %2: %3</source>
        <translation>%1, event %2: %3</translation>
    </message>
    <message>
        <source>rozwarcie</source>
        <translation>opening</translation>
    </message>
    <message>
        <source>zwarcie</source>
        <translation>closing</translation>
    </message>
    <message>
        <source>nr seryjny %1</source>
        <translation>serial number %1</translation>
    </message>
    <message>
        <source>moduł V%1.%2, typ %3</source>
        <translation>module V%1.%2, type %3</translation>
    </message>
    <message>
        <source>, program nie obsługuje tej wersji</source>
        <translation>, not supported by this program</translation>
    </message>
    <message>
        <source>Brak folderu %1.</source>
        <translation>The folder %1 does not exist.</translation>
    </message>
    <message>
        <source>Brak pliku %1.</source>
        <translation>The file %1 does not exist.</translation>
    </message>
    <message>
        <source>Brak takiego pliku lub folderu.</source>
        <translation>No such file or folder.</translation>
    </message>
    <message>
        <source>Brak prawa odczytu pliku %1.</source>
        <translation>No permission to read the file %1.</translation>
    </message>
    <message>
        <source>Brak prawa odczytu.</source>
        <translation>No permission to read.</translation>
    </message>
    <message>
        <source>Plik %1 jest tylko do odczytu.</source>
        <translation>The file %1 is read-only.</translation>
    </message>
    <message>
        <source>Plik jest tylko do odczytu.</source>
        <translation>The file is read-only.</translation>
    </message>
    <message>
        <source>Brak prawa zapisu w folderze %1.</source>
        <translation>No permission to write in the folder %1.</translation>
    </message>
    <message>
        <source>Brak prawa zapisu.</source>
        <translation>No permission to write.</translation>
    </message>
    <message>
        <source>Dysk jest pełny.</source>
        <translation>The disk is full.</translation>
    </message>
    <message>
        <source>Folder %1 jest na nośniku tylko do odczytu.</source>
        <translation>The folder %1 is on a read-only disk.</translation>
    </message>
    <message>
        <source>Nośnik jest tylko do odczytu.</source>
        <translation>The disk is read-only.</translation>
    </message>
    <message>
        <source>%1 jest folderem, a nie plikiem.</source>
        <translation>%1 is a folder, not a file.</translation>
    </message>
    <message>
        <source>To jest folder, a nie plik.</source>
        <translation>That is a folder, not a file.</translation>
    </message>
    <message>
        <source>%1 nie jest zwykłym plikiem.</source>
        <translation>%1 is not a regular file.</translation>
    </message>
    <message>
        <source>To nie jest zwykły plik.</source>
        <translation>That is not a regular file.</translation>
    </message>
    <message>
        <source>Plik %1 jest otwarty w innym programie.</source>
        <translation>The file %1 is open in another program.</translation>
    </message>
    <message>
        <source>Plik jest otwarty w innym programie.</source>
        <translation>The file is open in another program.</translation>
    </message>
    <message>
        <source>%1 jest plikiem, a nie folderem.</source>
        <translation>%1 is a file, not a folder.</translation>
    </message>
    <message>
        <source>Część ścieżki nie jest folderem.</source>
        <translation>Part of the path is not a folder.</translation>
    </message>
    <message>
        <source>Za długa nazwa pliku lub ścieżki.</source>
        <translation>The file name or path is too long.</translation>
    </message>
    <message>
        <source>Nośnik zgłosił błąd odczytu lub zapisu.</source>
        <translation>The disk reported a read or write error.</translation>
    </message>
    <message>
        <source>%1 już istnieje.</source>
        <translation>%1 already exists.</translation>
    </message>
    <message>
        <source>Taki plik lub folder już istnieje.</source>
        <translation>Such a file or folder already exists.</translation>
    </message>
    <message>
        <source>wiersz %1</source>
        <translation>row %1</translation>
    </message>
    <message>
        <source>kolumna %1</source>
        <translation>column %1</translation>
    </message>
    <message>
        <source>Nie można utworzyć folderu: %1</source>
        <translation>Cannot create the folder: %1</translation>
    </message>
    <message>
        <source>zapisano %1, odrzucono %2</source>
        <translation>written %1, refused %2</translation>
    </message>
    <message>
        <source>, nie zapisano %1</source>
        <translation>, not saved %1</translation>
    </message>
    <message>
        <source>(wymagana)</source>
        <translation>(required)</translation>
    </message>
    <message>
        <source>Polecenia: %1</source>
        <translation>Commands: %1</translation>
    </message>
    <message>
        <source>Nie podano polecenia.</source>
        <translation>No command given.</translation>
    </message>
    <message>
        <source>Nieznana opcja %1.</source>
        <translation>Unknown option %1.</translation>
    </message>
    <message>
        <source>Nieznane polecenie "%1".</source>
        <translation>Unknown command "%1".</translation>
    </message>
    <message>
        <source>Polecenie %1 wymaga opcji %2.</source>
        <translation>The command %1 needs the option %2.</translation>
    </message>
    <message>
        <source>Polecenie %1 wymaga argumentu %2.</source>
        <translation>The command %1 needs the argument %2.</translation>
    </message>
    <message>
        <source>Polecenie %1 nie ma opcji %2.</source>
        <translation>The command %1 has no option %2.</translation>
    </message>
    <message>
        <source>Zbędny argument polecenia %1: "%2".</source>
        <translation>Unexpected argument to %1: "%2".</translation>
    </message>
    <message>
        <source>Opcję %1 podano więcej niż raz.</source>
        <translation>The option %1 is given more than once.</translation>
    </message>
    <message>
        <source>Opcja %1 wymaga wartości.</source>
        <translation>The option %1 needs a value.</translation>
    </message>
    <message>
        <source>Niewłaściwa wartość opcji %1.</source>
        <translation>The option %1 has an invalid value.</translation>
    </message>
    <message>
        <source>Niewłaściwe wywołanie polecenia %1.</source>
        <translation>Invalid use of the command %1.</translation>
    </message>
    <message>
        <source>Niewłaściwe wywołanie programu.</source>
        <translation>Invalid command line.</translation>
    </message>
    <message>
        <source>Pomoc: %1 --help</source>
        <translation>Help: %1 --help</translation>
    </message>
    <message>
        <source>Port %1 jest zajęty przez inny program - zamknij to okno i tamten program, potem uruchom operację ponownie.</source>
        <translation>Port %1 is in use by another program - close this window and that program, then start the operation again.</translation>
    </message>
    <message>
        <source>Moduł może mieć niepełne ustawienia - zaprogramuj go ponownie.</source>
        <translation>The module may hold incomplete settings - program it again.</translation>
    </message>
    <message>
        <source>Moduł może mieć niepełne ustawienia - sprawdź kabel i zasilanie modułu, potem zaprogramuj go ponownie.</source>
        <translation>The module may hold incomplete settings - check the cable and the module's power supply, then program it again.</translation>
    </message>
    <message>
        <source>Sprawdź kabel, zasilanie modułu i wybrany port, potem powtórz.</source>
        <translation>Check the cable, the module's power supply and the selected port, then try again.</translation>
    </message>
    <message>
        <source>Sprawdź kabel i zasilanie modułu, potem powtórz.</source>
        <translation>Check the cable and the module's power supply, then try again.</translation>
    </message>
    <message>
        <source>Zaktualizuj program do wersji obsługującej ten moduł.</source>
        <translation>Update the program to a version that supports this module.</translation>
    </message>
</context>
<context>
    <name>CLI</name>
    <message>
        <source>oczekiwano liczby od %1 do %2, podano "%3"</source>
        <translation>expected a number from %1 to %2, got "%3"</translation>
    </message>
    <message>
        <source>oczekiwano jednej z wartości: %1; podano "%2"</source>
        <translation>expected one of %1; got "%2"</translation>
    </message>
</context>
<context>
    <name>brenvox::cli::HelpFormatter</name>
    <message>
        <source>Użycie</source>
        <translation>Usage</translation>
    </message>
    <message>
        <source>OPCJE</source>
        <translation>OPTIONS</translation>
    </message>
    <message>
        <source>POLECENIE</source>
        <translation>COMMAND</translation>
    </message>
    <message>
        <source>Argumenty</source>
        <translation>Arguments</translation>
    </message>
</context>
</TS>