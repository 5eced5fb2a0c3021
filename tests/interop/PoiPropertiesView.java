// Opens a workbook with Apache POI (HSSF) and prints what it read of the
// property streams and the sheets, one "key=value" a line, for poi_check.py.
// POI's own log goes to standard output too, each line marked with its level.
import java.io.File;
import org.apache.poi.hpsf.DocumentSummaryInformation;
import org.apache.poi.hpsf.SummaryInformation;
import org.apache.poi.hssf.usermodel.HSSFWorkbook;
import org.apache.poi.poifs.filesystem.POIFSFileSystem;

public class PoiPropertiesView {
    public static void main(String[] args) throws Exception {
        try (POIFSFileSystem files = new POIFSFileSystem(new File(args[0]), true);
             HSSFWorkbook book = new HSSFWorkbook(files.getRoot(), true)) {
            SummaryInformation summary = book.getSummaryInformation();
            DocumentSummaryInformation documentSummary = book.getDocumentSummaryInformation();
            System.out.println("summary=" + (summary != null));
            System.out.println("documentSummary=" + (documentSummary != null));
            if (summary != null) {
                System.out.println("application=" + summary.getApplicationName());
                System.out.println("author=" + summary.getAuthor());
                System.out.println("lastAuthor=" + summary.getLastAuthor());
                System.out.println("created=" + (summary.getCreateDateTime() == null ? "" : summary.getCreateDateTime().getTime()));
                System.out.println("saved=" + (summary.getLastSaveDateTime() == null ? "" : summary.getLastSaveDateTime().getTime()));
                System.out.println("codePage=" + summary.getFirstSection().getCodepage());
            }
            if (documentSummary != null) System.out.println("documentCodePage=" + documentSummary.getFirstSection().getCodepage());
            for (int i = 0; i < book.getNumberOfSheets(); i++) System.out.println("sheet=" + book.getSheetName(i));
        }
    }
}
