      *> QORVIX generated OLE interface class.
      *> Scripting.TextStream Interface

       class-id. ITextStream data is protected
                 inherits from IDispatch with data.

       special-names.
           call-convention 74 is WINAPI.

       object section.

       class-control.
           IDispatch is class "idispatch"
           ITextStream is class "itextstream"
           .

       working-storage section.
         copy "kzole.cpy".
         copy "Scripting.cpy".

       class-object.
       object-storage section.

       end class-object.

       object.
       object-storage section.

      *> Current line number
       method-id. getLine.
       local-storage section.
       linkage section.
       01 Line-CBL                      LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Line-CBL   *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getLine.

      *> Current column number
       method-id. getColumn.
       local-storage section.
       linkage section.
       01 Column-CBL                    LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by reference Column-CBL *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getColumn.

      *> Is the current position at the end of the stream?
       method-id. getAtEndOfStream.
       local-storage section.
       linkage section.
       01 AtEndOfStream                 BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference AtEndOfStream  *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getAtEndOfStream.

      *> Is the current position at the end of a line?
       method-id. getAtEndOfLine.
       local-storage section.
       linkage section.
       01 AtEndOfLine                   BOOL.
       01 hResult                       HRESULT.
       procedure division using 
               by reference AtEndOfLine    *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method getAtEndOfLine.

      *> Read a specific number of characters into a string
       method-id. Read.
       local-storage section.
       linkage section.
       01 Characters-CBL                LONG.
       01 MethodVar2                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Characters-CBL *> [IN]
               by reference MethodVar2 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method Read.

      *> Read an entire line into a string
       method-id. ReadLine.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method ReadLine.

      *> Read the entire stream into a string
       method-id. ReadAll.
       local-storage section.
       linkage section.
       01 MethodVar1                    BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by reference MethodVar1 *> [OUT][RETVAL]
               returning hResult.
           exit method.
       end method ReadAll.

      *> Write a string to the stream
       method-id. Write.
       local-storage section.
       linkage section.
       01 Text-CBL                      BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Text-CBL       *> [IN]
               returning hResult.
           exit method.
       end method Write.

      *> Write a string and an end of line to the stream
       method-id. WriteLine.
       local-storage section.
       linkage section.
       01 Text-CBL                      BSTR.
       01 hResult                       HRESULT.
       procedure division using 
               by value Text-CBL       *> [IN][OPTIONAL]
               returning hResult.
           exit method.
       end method WriteLine.

      *> Write a number of blank lines to the stream
       method-id. WriteBlankLines.
       local-storage section.
       linkage section.
       01 Lines-CBL                     LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value Lines-CBL      *> [IN]
               returning hResult.
           exit method.
       end method WriteBlankLines.

      *> Skip a specific number of characters
       method-id. Skip.
       local-storage section.
       linkage section.
       01 Characters-CBL                LONG.
       01 hResult                       HRESULT.
       procedure division using 
               by value Characters-CBL *> [IN]
               returning hResult.
           exit method.
       end method Skip.

      *> Skip a line
       method-id. SkipLine.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method SkipLine.

      *> Close a text stream
       method-id. Close.
       local-storage section.
       linkage section.
       01 hResult                       HRESULT.
       procedure division returning hResult.
           exit method.
       end method Close.

       end object.
       end class ITextStream.

